// Numbers as the pages show them: locale-independent digits with the user's decimal separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// 15 significant digits, trailing zeros dropped; scientific ("1,5E-5", "1E20") below 0.0001 in
// magnitude or with more than 15 digits before the separator.
std::string FormatGeneralNumber(double value, std::string_view decimalSeparator);

// 5 significant digits, trailing zeros dropped; scientific with a three-digit exponent
// ("1E-005", "1,2346E005") below 0.0001 or from 100000 up.
std::string FormatAspectNumber(double value, std::string_view decimalSeparator);

// Seconds to "HH:MM:SS.mmm" (hours of two digits at least), negative times with a sign; a number
// too large for that as FormatGeneralNumber writes it, and nothing for one that is not finite.
std::string FormatClockTime(double seconds, std::string_view decimalSeparator);

// Whole seconds to "MM:SS" or "HH:MM:SS", each part at least two digits.
std::string FormatDuration(int32_t seconds);

// Nearest integer, ties to even; values beyond the type's range are clamped, NaN gives 0.
int64_t RoundHalfEven(double value);
int32_t RoundHalfEvenToInt32(double value);
