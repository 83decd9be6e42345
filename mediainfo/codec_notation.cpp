#include "mediainfo/codec_notation.h"

#include <cstdio>

namespace {

std::string Decimal(int whole, int tenth) { return std::to_string(whole) + "." + std::to_string(tenth); }

// MPEG-2's profile_and_level_indication levels.
std::string Mpeg2Level(int level) {
    switch (level) {
        case 4: return "High";
        case 6: return "High 1440";
        case 8: return "Main";
        case 10: return "Low";
        default: return std::to_string(level);
    }
}

constexpr struct {
    std::string_view codec;
    std::string_view format;
} kSubtitleFormats[] = {
    {"subrip", "SubRip"},       {"ass", "ASS"},           {"ssa", "SSA"},
    {"webvtt", "WebVTT"},       {"mov_text", "mov_text"}, {"hdmv_pgs_subtitle", "PGS"},
    {"dvd_subtitle", "VobSub"}, {"dvb_subtitle", "DVB"},  {"dvb_teletext", "teletext"},
    {"text", "Text"},           {"eia_608", "EIA-608"},   {"microdvd", "MicroDVD"},
    {"ttml", "TTML"},
};

}  // namespace

std::string LevelNotation(std::string_view codec, std::optional<int> level) {
    if (!level || *level < 0) return {};
    const int value = *level;
    if (codec == "h264") {
        if (value == 0) return {};
        if (value == 9) return "1b";
        return value % 10 == 0 ? std::to_string(value / 10) : Decimal(value / 10, value % 10);
    }
    if (codec == "hevc") {  // general_level_idc is 30 × the level
        if (value == 0 || value % 3 != 0) return {};
        return value % 30 == 0 ? std::to_string(value / 30) : Decimal(value / 30, value % 30 / 3);
    }
    if (codec == "av1") {  // seq_level_idx: 2.0, 2.1 … four to a major level
        if (value >= 24) return {};
        return Decimal(2 + value / 4, value % 4);
    }
    if (codec == "vp9") return value == 0 ? std::string() : Decimal(value / 10, value % 10);
    if (codec == "mpeg2video") return Mpeg2Level(value);
    return std::to_string(value);
}

std::string ProfileAndLevel(std::string_view codec, const std::string& profile, const std::string& level) {
    if (level.empty()) return profile;
    const std::string levelPart = codec == "mpeg2video" ? level : "L" + level;
    return profile.empty() ? levelPart : profile + "@" + levelPart;
}

std::string SubtitleFormatName(std::string_view codec) {
    for (const auto& row : kSubtitleFormats)
        if (row.codec == codec) return std::string(row.format);
    return std::string(codec);
}

std::string CodecTagText(uint32_t tag) {
    if (tag == 0) return {};
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto c = static_cast<char>((tag >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) {
            char hex[16];
            std::snprintf(hex, sizeof hex, tag <= 0xFFFF ? "0x%04X" : "0x%08X", tag);
            return hex;
        }
        text += c;
    }
    return text;
}
