// How codecs write their levels and formats: "3.1" for H.264, "5.1" for HEVC, "Main" for MPEG-2;
// "SubRip", "PGS" for subtitles; a container's code as "avc1" or "0x0055".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The level in the codec's own notation, from libavcodec's short codec name and the stored
// number; empty when unknown.
std::string LevelNotation(std::string_view codec, std::optional<int> level);

// "High@L3.1", "Main@Main", "LC"; empty when neither is known.
std::string ProfileAndLevel(std::string_view codec, const std::string& profile, const std::string& level);

// A subtitle codec's format as people call it; the codec's own name for the others.
std::string SubtitleFormatName(std::string_view codec);

// Four printable characters as they are ("avc1"), else the number in hex ("0x0055"); empty for 0.
std::string CodecTagText(uint32_t tag);
