// Names that devices report in fixed byte arrays, made safe to show as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lumora::devenum {

// The bytes up to the first NUL (at most text.size()), with every byte that does not belong to
// a well-formed UTF-8 sequence replaced by U+FFFD and control characters by spaces.
std::string CleanDeviceText(std::string_view text);

}  // namespace lumora::devenum
