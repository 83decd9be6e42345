// UTF-8 text helpers of the catalogue: cutting to a number of characters and comparing
// without regard to letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first `count` characters (code points) of the text; never cuts inside a character. A byte
// that starts no well-formed character counts as one character.
std::string Utf8Prefix(std::string_view text, size_t count);

// The text's characters with letters folded to lower case (Latin, Greek and Cyrillic, including
// their accented and extended letters). A byte outside a well-formed character becomes a value
// of its own that no character folds to.
std::u32string FoldedCharacters(std::string_view text);

// Equal when both texts have the same characters after folding, over their full lengths.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// <0, 0 or >0 by the folded characters' code points, then by length.
int CompareTextIgnoringCase(std::string_view a, std::string_view b);
