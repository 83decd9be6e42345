// Well-formed UTF-8, as every text of the platform is held.
#pragma once

#include <cstddef>
#include <string_view>

// The length (1 to 4) of the well-formed UTF-8 sequence that starts at text[at], which must lie
// inside the text; 0 when none starts there: a stray continuation byte, an overlong form, a
// surrogate, a value above U+10FFFF, or a sequence cut short by the end of the text.
size_t Utf8SequenceLength(std::string_view text, size_t at);
