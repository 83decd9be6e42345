// Names of audio format tags and descriptions of video FourCC codes.
#pragma once

#include <cstdint>
#include <string_view>

// "Unknown" for a tag not in the table.
std::string_view AudioFormatTagName(uint16_t tag);

// Description of a compression name such as "XVID", compared case-insensitively (ASCII);
// "Unknown Codec" when not in the table.
std::string_view FourCCDescription(std::string_view compressionName);
