#include "platform/utf8.h"

#include <cstdint>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Marks a byte that belongs to no well-formed character (above every code point).
constexpr char32_t kStrayByte = 0x110000;

// Decodes the character at `at` (a stray byte as a value of its own); advances `at`.
char32_t NextCharacter(std::string_view text, size_t& at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    const size_t length = Utf8SequenceLength(text, at);
    if (length == 0) {
        ++at;
        return kStrayByte + lead;
    }
    // The lead byte's payload bits, by sequence length.
    constexpr uint8_t kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = lead & kLeadBits[length];
    for (size_t i = 1; i < length; ++i)
        value = value << 6 | (static_cast<uint8_t>(text[at + i]) & 0x3F);
    at += length;
    return value;
}

bool Between(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// Simple case folding for the Latin, Greek and Cyrillic blocks.
char32_t FoldCharacter(char32_t c) {
    if (c < 0x80) return Between(c, U'A', U'Z') ? c + 32 : c;
    // Latin-1 Supplement (not the multiplication sign).
    if (Between(c, 0xC0, 0xDE) && c != 0xD7) return c + 32;
    // Latin Extended-A: upper and lower case letters alternate.
    if (Between(c, 0x100, 0x17F)) {
        if (c == 0x130) return U'i';
        if (c == 0x178) return 0xFF;
        if (c == 0x17F) return U's';
        const bool evenUpper =
            Between(c, 0x100, 0x12F) || Between(c, 0x132, 0x137) || Between(c, 0x14A, 0x177);
        const bool oddUpper = Between(c, 0x139, 0x148) || Between(c, 0x179, 0x17E);
        if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1)) return c + 1;
        return c;
    }
    // Greek.
    if (c == 0x386) return 0x3AC;
    if (Between(c, 0x388, 0x38A)) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (Between(c, 0x38E, 0x38F)) return c + 63;
    if (Between(c, 0x391, 0x3AB) && c != 0x3A2) return c + 32;
    if (c == 0x3C2) return 0x3C3;  // final sigma
    // Cyrillic.
    if (Between(c, 0x400, 0x40F)) return c + 80;
    if (Between(c, 0x410, 0x42F)) return c + 32;
    if ((Between(c, 0x460, 0x481) || Between(c, 0x48A, 0x4BF) || Between(c, 0x4D0, 0x52F)) && c % 2 == 0)
        return c + 1;
    if (c == 0x4C0) return 0x4CF;
    if (Between(c, 0x4C1, 0x4CE) && c % 2 == 1) return c + 1;
    return c;
}

}  // namespace

size_t Utf8SequenceLength(std::string_view text, size_t at) {
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

void AppendUtf8(std::string& text, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        text += kReplacement;
    } else if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8Prefix(std::string_view text, size_t count) {
    size_t at = 0;
    for (size_t characters = 0; characters < count && at < text.size(); ++characters)
        NextCharacter(text, at);
    return std::string(text.substr(0, at));
}

std::u32string FoldedCharacters(std::string_view text) {
    std::u32string folded;
    folded.reserve(text.size());
    for (size_t at = 0; at < text.size();)
        folded += FoldCharacter(NextCharacter(text, at));
    return folded;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (FoldCharacter(NextCharacter(a, i)) != FoldCharacter(NextCharacter(b, j))) return false;
    return i == a.size() && j == b.size();
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = FoldCharacter(NextCharacter(a, i));
        const char32_t y = FoldCharacter(NextCharacter(b, j));
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool IsWellFormedUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            valid += kReplacement;
            ++at;
        } else {
            valid.append(text.substr(at, length));
            at += length;
        }
    }
    return valid;
}

std::string CleanDeviceText(std::string_view text) {
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::string clean = ValidUtf8(text);
    for (char& c : clean)
        if (static_cast<uint8_t>(c) < 0x20 || c == 0x7F) c = ' ';
    return clean;
}
