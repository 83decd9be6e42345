// ISO 639-1 codes of the locale identifiers a DVD's streams are given.
#pragma once

#include <cstdint>
#include <string_view>

// The two-letter code of the identifier's language; empty for 0 and for a language without one.
std::string_view LanguageCode(uint32_t lcid);
