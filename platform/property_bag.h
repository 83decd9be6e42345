// IPropertyBag and the variant that carries its values.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/unknown.h"

// A property value: empty, UTF-8 text or a 32-bit integer.
using VARIANT = std::variant<std::monostate, std::string, int32_t>;

inline constexpr IID IID_IPropertyBag = MakeGuid("{55272A00-42CB-11CE-8135-00AA004BB851}");

struct IPropertyBag : IUnknown {
    static constexpr const IID& iid = IID_IPropertyBag;

    // Reads the named property into *value (replacing what it held); E_INVALIDARG for an unknown
    // name, E_POINTER for a null name or value. The error log is not used.
    virtual HRESULT Read(const char* name, VARIANT* value, void* errorLog) = 0;

protected:
    ~IPropertyBag() = default;
};
