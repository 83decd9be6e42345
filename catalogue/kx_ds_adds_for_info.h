// Helpers over the media framework's filters and format blocks.
#pragma once

#include <cstdint>
#include <string>

// "RGB", "RLE8", "RLE4", "BITFIELDS" for 0 to 3; otherwise the code's four bytes, least
// significant first, up to the first zero byte
// (bytes above 127 as their Latin-1 characters).
std::string CompressionName(uint32_t compression);
