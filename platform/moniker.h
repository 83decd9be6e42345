// IMoniker: a name for an object that can be bound to the object or to its storage.
#pragma once

#include "platform/unknown.h"

inline constexpr IID IID_IMoniker = MakeGuid("{0000000F-0000-0000-C000-000000000046}");

struct IMoniker : IUnknown {
    static constexpr const IID& iid = IID_IMoniker;

    // Creates (or finds) the named object and hands out the interface asked for.
    virtual HRESULT BindToObject(void* bindCtx, IMoniker* left, const IID& iid, void** out) = 0;
    // Hands out the object's storage (for a device: its property bag).
    virtual HRESULT BindToStorage(void* bindCtx, IMoniker* left, const IID& iid, void** out) = 0;

protected:
    ~IMoniker() = default;
};
