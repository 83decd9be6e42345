// The running object table: objects registered under a moniker so that others can find them
// while they run. Process-local on Linux.
#pragma once

#include <string_view>

#include "platform/media_types.h"
#include "platform/moniker.h"
#include "platform/unknown.h"

inline constexpr IID IID_IRunningObjectTable = MakeGuid("{00000010-0000-0000-C000-000000000046}");

inline constexpr HRESULT MK_S_MONIKERALREADYREGISTERED = MakeHResult(0x000401E7);
inline constexpr HRESULT MK_E_UNAVAILABLE = MakeHResult(0x800401E3);

struct IRunningObjectTable : IUnknown {
    static constexpr const IID& iid = IID_IRunningObjectTable;

    // Holds a reference to object until Revoke; *registration receives a non-zero value.
    // MK_S_MONIKERALREADYREGISTERED (a success) when an equal name is registered already.
    virtual HRESULT Register(DWORD flags, IUnknown* object, IMoniker* name, DWORD* registration) = 0;
    // E_INVALIDARG for a value that is not registered.
    virtual HRESULT Revoke(DWORD registration) = 0;
    // S_OK when an object is registered under an equal name, S_FALSE otherwise.
    virtual HRESULT IsRunning(IMoniker* name) = 0;
    // The first object registered under an equal name; MK_E_UNAVAILABLE when none.
    virtual HRESULT GetObject(IMoniker* name, IUnknown** object) = 0;

protected:
    ~IRunningObjectTable() = default;
};

// The process's table; reserved must be 0.
HRESULT GetRunningObjectTable(DWORD reserved, IRunningObjectTable** table);

// A moniker whose display name is delimiter + item; names compare case-insensitively (ASCII).
HRESULT CreateItemMoniker(std::string_view delimiter, std::string_view item, IMoniker** moniker);
