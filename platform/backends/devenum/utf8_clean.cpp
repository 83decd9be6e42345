#include "platform/backends/devenum/utf8_clean.h"

#include <cstdint>

#include "platform/utf8.h"

namespace lumora::devenum {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

std::string CleanDeviceText(std::string_view text) {
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::string clean;
    clean.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            clean += kReplacement;
            ++at;
        } else if (length == 1 && (static_cast<uint8_t>(text[at]) < 0x20 || text[at] == 0x7F)) {
            clean += ' ';
            ++at;
        } else {
            clean.append(text.substr(at, length));
            at += length;
        }
    }
    return clean;
}

}  // namespace lumora::devenum
