// IUnknown, the reference-counted base of every interface, and the interface-to-IID link.
#pragma once

#include <concepts>
#include <cstdint>

#include "platform/guid.h"
#include "platform/hresult.h"

using ULONG = uint32_t;

inline constexpr IID IID_IUnknown = MakeGuid("{00000000-0000-0000-C000-000000000046}");

// Every interface names its identifier as `static constexpr const IID& iid`.
struct IUnknown {
    static constexpr const IID& iid = IID_IUnknown;

    // Sets *out to the interface or to null; E_POINTER for a null out, E_NOINTERFACE when not offered.
    virtual HRESULT QueryInterface(const IID& iid, void** out) = 0;
    virtual ULONG AddRef() = 0;
    // Returns the remaining count; the object destroys itself at 0.
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

template <class Interface>
concept ComInterface = requires {
    { Interface::iid } -> std::convertible_to<const IID&>;
};
