#include "app/dropped_path.h"

#include "platform/ascii.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view FirstUri(std::string_view list) {
    while (!list.empty()) {
        const size_t end = list.find('\n');
        const std::string_view line = Trimmed(list.substr(0, end));
        if (!line.empty() && line.front() != '#') return line;
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return {};
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = ToLowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

}  // namespace

std::optional<std::string> FirstLocalPathOfUriList(std::string_view uriList, std::string_view localHost) {
    std::string_view uri = FirstUri(uriList);
    constexpr std::string_view kScheme = "file:";
    if (uri.size() < kScheme.size() || LowerAscii(uri.substr(0, kScheme.size())) != kScheme)
        return std::nullopt;
    uri.remove_prefix(kScheme.size());
    if (uri.substr(0, 2) == "//") {
        uri.remove_prefix(2);
        const size_t slash = uri.find('/');
        if (slash == std::string_view::npos) return std::nullopt;
        const std::string host = LowerAscii(uri.substr(0, slash));
        if (!host.empty() && host != "localhost" && host != LowerAscii(localHost)) return std::nullopt;
        uri.remove_prefix(slash);
    }
    if (uri.empty() || uri.front() != '/') return std::nullopt;
    std::optional<std::string> path = PercentDecoded(uri);
    if (!path || path->find('\0') != std::string::npos) return std::nullopt;
    return path;
}
