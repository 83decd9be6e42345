#include "app/lumora_info/file_names.h"

#include <cerrno>
#include <cstring>

namespace {

std::string SystemReason(int error) {
    char buffer[256];
    return strerror_r(error, buffer, sizeof buffer);  // the GNU form: thread-safe, returns the text
}

}  // namespace

std::string EscapedName(std::string_view name) {
    std::string escaped;
    escaped.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\r') {
            escaped += "\\r";
        } else {
            constexpr char kHex[] = "0123456789abcdef";
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
