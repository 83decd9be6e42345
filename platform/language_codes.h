// ISO 639-1 and 639-2 language codes and the platform's locale identifiers of their languages.
#pragma once

#include <cstdint>
#include <string_view>

// The locale identifier (primary language with its default sublanguage) of a two-letter code,
// letters in either case; 0 for a code the table does not hold. Old codes are understood too:
// iw (he), in (id), ji (yi), and nb for Norwegian.
uint32_t LocaleFromLanguageCode(std::string_view code);

// The same for a code as media files store it: two letters (ISO 639-1) or three (ISO 639-2, its
// bibliographic "fre" or terminology "fra" form), in either case; 0 for any other text.
uint32_t LocaleFromIsoLanguageCode(std::string_view code);

// The two-letter code of a locale identifier's language, the current code where a language has
// two (he, id, yi; no for Norwegian, as discs mark it); another sublanguage of a listed language
// (en-GB, pt-BR) gives its language's code. Empty for 0 and for a language without a code.
std::string_view LanguageCodeOfLocale(uint32_t lcid);
