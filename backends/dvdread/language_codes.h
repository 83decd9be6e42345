// The language codes DVD streams store, as the platform's locale identifiers.
#pragma once

#include <cstdint>

namespace lumora::dvdread {

// The two letters a DVD stores, first letter in the high byte; 0 for an unknown code.
uint32_t LocaleFromDvdLanguageCode(uint16_t code);

}  // namespace lumora::dvdread
