// UTF-8, as every text of the platform is held: well-formedness, decoding and encoding, cutting
// to a number of characters, comparing without regard to letter case, and cleaning text from
// outside (device names, file names) into well-formed UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The length (1 to 4) of the well-formed UTF-8 sequence that starts at text[at], which must lie
// inside the text; 0 when none starts there: a stray continuation byte, an overlong form, a
// surrogate, a value above U+10FFFF, or a sequence cut short by the end of the text.
size_t Utf8SequenceLength(std::string_view text, size_t at);

// Appends the character's UTF-8 form (U+FFFD for a value that is no character).
void AppendUtf8(std::string& text, char32_t character);

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

// Whether every byte of the text belongs to a well-formed sequence.
bool IsWellFormedUtf8(std::string_view text);

// Every byte that does not belong to a well-formed sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// A name that a device reports in a fixed byte array: the bytes up to the first NUL, made valid
// (as ValidUtf8), with control characters replaced by spaces.
std::string CleanDeviceText(std::string_view text);
