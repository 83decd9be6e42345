// English names of the languages a DVD stream carries, by locale identifier.
#pragma once

#include <cstdint>
#include <string_view>

// Exact match of the whole identifier; "[Unknown language]" otherwise.
std::string_view LanguageName(int32_t lcid);
