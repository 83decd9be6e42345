#include "app/lumora_info/file_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/unique_fd.h"

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

std::string FailureReason(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return SystemReason(errno);
    if (S_ISDIR(status.st_mode)) return SystemReason(EISDIR);
    if (!S_ISREG(status.st_mode)) return "not a regular file";
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) return SystemReason(errno);
    return "not a media file";
}
