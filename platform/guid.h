// The 16-byte class and interface identifier, in the Windows memory layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16);

using IID = GUID;
using CLSID = GUID;

namespace lumora::detail {

constexpr uint32_t HexValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<uint32_t>(c - 'A' + 10);
    throw "not a hexadecimal digit";  // reaching a throw makes the constant evaluation fail
}

constexpr uint32_t HexField(std::string_view text, size_t from, size_t digits) {
    uint32_t value = 0;
    for (size_t i = 0; i < digits; ++i)
        value = value * 16 + HexValue(text[from + i]);
    return value;
}

}  // namespace lumora::detail

// A GUID from its registry text "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" (braces optional),
// checked at compile time.
consteval GUID MakeGuid(std::string_view text) {
    using lumora::detail::HexField;
    if (text.size() == 38) text = text.substr(1, 36);
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
        throw "not a GUID";
    GUID g{HexField(text, 0, 8),
           static_cast<uint16_t>(HexField(text, 9, 4)),
           static_cast<uint16_t>(HexField(text, 14, 4)),
           {}};
    g.Data4[0] = static_cast<uint8_t>(HexField(text, 19, 2));
    g.Data4[1] = static_cast<uint8_t>(HexField(text, 21, 2));
    for (size_t i = 0; i < 6; ++i)
        g.Data4[2 + i] = static_cast<uint8_t>(HexField(text, 24 + 2 * i, 2));
    return g;
}

inline constexpr GUID GUID_NULL{};

// The media framework's FourCC form {XXXXXXXX-0000-0010-8000-00AA00389B71}; Data1 holds the
// four bytes in memory order, i.e. little-endian.
constexpr GUID FourCCGuid(uint32_t fourcc) {
    return GUID{fourcc, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
}

// The four characters in memory order as a little-endian code ("YUY2" → 0x32595559).
constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) |
           static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24;
}

constexpr bool IsEqualGUID(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i]) return false;
    return true;
}
constexpr bool operator==(const GUID& a, const GUID& b) { return IsEqualGUID(a, b); }

// Registry text with braces and upper-case digits.
std::string GuidToString(const GUID& guid);
