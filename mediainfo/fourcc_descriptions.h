// Descriptions of video FourCC codes.
#pragma once

#include <string_view>

// Description of a compression name such as "XVID", compared case-insensitively (ASCII);
// "Unknown Codec" when not in the table.
std::string_view FourCCDescription(std::string_view compressionName);
