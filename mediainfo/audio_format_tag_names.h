// Names of audio format tags.
#pragma once

#include <cstdint>
#include <string_view>

// "Unknown" for a tag not in the table.
std::string_view AudioFormatTagName(uint16_t tag);
