// IMoniker: a name that binds to an object or its storage, in the media framework's method order
// (only the methods Lumora uses).
#pragma once

#include <string>

#include "platform/unknown.h"

inline constexpr IID IID_IMoniker = MakeGuid("{0000000F-0000-0000-C000-000000000046}");

struct IMoniker : IUnknown {
    static constexpr const IID& iid = IID_IMoniker;

    // bindCtx is unused (null); left is the moniker to the left in a composite, null here.
    virtual HRESULT BindToObject(void* bindCtx, IMoniker* left, const IID& iid, void** out) = 0;
    virtual HRESULT BindToStorage(void* bindCtx, IMoniker* left, const IID& iid, void** out) = 0;
    // S_OK when both name the same thing, S_FALSE otherwise.
    virtual HRESULT IsEqual(IMoniker* other) = 0;
    virtual HRESULT GetDisplayName(void* bindCtx, IMoniker* left, std::string* name) = 0;

protected:
    ~IMoniker() = default;
};
