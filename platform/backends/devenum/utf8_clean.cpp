#include "platform/backends/devenum/utf8_clean.h"

#include <cstdint>

namespace lumora::devenum {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed sequence at `at`, or 0.
size_t SequenceLength(std::string_view text, size_t at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<uint8_t>(text[at + i]);
        const uint8_t min = i == 1 ? low : 0x80;
        const uint8_t max = i == 1 ? high : 0xBF;
        if (byte < min || byte > max) return 0;
    }
    return length;
}

}  // namespace

std::string CleanDeviceText(std::string_view text) {
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::string clean;
    clean.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t length = SequenceLength(text, at);
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
