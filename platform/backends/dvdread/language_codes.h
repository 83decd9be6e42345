// ISO 639-1 language codes of DVD streams as the platform's locale identifiers.
#pragma once

#include <cstdint>
#include <string_view>

namespace lumora::dvdread {

// The locale identifier (primary language with its default sublanguage) of a two-letter code,
// letters in either case; 0 for a code the table does not hold.
uint32_t LocaleFromLanguageCode(std::string_view code);

// The two letters a DVD stores, first letter in the high byte.
uint32_t LocaleFromDvdLanguageCode(uint16_t code);

}  // namespace lumora::dvdread
