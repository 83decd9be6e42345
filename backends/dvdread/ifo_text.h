// Texts as discs store them (identifiers, volume labels): single bytes, Latin-1 where not ASCII.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumora::dvdread {

// The bytes up to the first NUL, trailing spaces dropped, made UTF-8 (each byte the Latin-1
// character of its value, control bytes included, so that nothing is lost or invalid).
std::string Latin1Text(std::string_view bytes);

// A fixed field of the IFO, which need not end in a NUL.
template <size_t N>
std::string IfoText(const char (&field)[N]) {
    return Latin1Text(std::string_view(field, N));
}

}  // namespace lumora::dvdread
