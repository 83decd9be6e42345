#include "app/lumora_info/file_names.h"

#include <cerrno>
#include <cstring>

namespace {

// The C1 control or the bidirectional formatting or line-breaking character whose UTF-8 form
// starts at `at`, else 0: characters a terminal acts on or that reorder the text around them.
char32_t InvisibleCharacterAt(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) -> unsigned char {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0;
    };
    if (byte(0) == 0xC2 && byte(1) >= 0x80 && byte(1) <= 0x9F) return byte(1);  // U+0080 .. U+009F
    if (byte(0) == 0xD8 && byte(1) == 0x9C) return 0x061C;                      // Arabic letter mark
    if (byte(0) != 0xE2 || (byte(1) & 0xC0) != 0x80 || (byte(2) & 0xC0) != 0x80) return 0;
    const char32_t c = (char32_t{byte(1)} & 0x3F) << 6 | (char32_t{byte(2)} & 0x3F) | 0x2000;
    const bool invisible =
        c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    return invisible ? c : 0;
}

std::string SystemReason(int error) {
    char buffer[256];
    return strerror_r(error, buffer, sizeof buffer);  // the GNU form: thread-safe, returns the text
}

}  // namespace

std::string EscapedName(std::string_view name) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(name.size());
    for (size_t at = 0; at < name.size();) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (const char32_t c = InvisibleCharacterAt(name, at)) {
            escaped += {'\\', 'u', kHex[c >> 12], kHex[(c >> 8) & 15], kHex[(c >> 4) & 15], kHex[c & 15]};
            at += c < 0x800 ? 2 : 3;
            continue;
        }
        ++at;
        if (byte == '\\') {
            escaped += "\\\\";
        } else if (byte >= 0x20 && byte != 0x7F) {
            escaped += static_cast<char>(byte);
        } else if (byte == '\n') {
            escaped += "\\n";
        } else if (byte == '\t') {
            escaped += "\\t";
        } else if (byte == '\r') {
            escaped += "\\r";
        } else {
            escaped += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return escaped;
}

std::string FailureReason(HRESULT result, const std::string& detail) {
    if (const int error = ErrnoFromHResult(result)) return SystemReason(error);
    switch (result) {
        case E_NOT_REGULAR_FILE: return "not a regular file";
        case VFW_E_TIMEOUT: return "timed out";
        case VFW_E_UNSUPPORTED_STREAM: return "container not allowed: " + detail;
        case E_OUTOFMEMORY: return SystemReason(ENOMEM);
        default: return "not a media file";
    }
}
