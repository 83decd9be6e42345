#include "mediainfo/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The value rounded to `precision` significant digits, written in fixed form when its decimal
// exponent lies in [-4, maxFixedExponent], else as d[sep]dddE[-]exp with at least
// minExponentDigits exponent digits.
std::string FormatSignificant(double value, int precision, int maxFixedExponent, int minExponentDigits,
                              std::string_view separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
    std::string_view text(buffer, static_cast<size_t>(end - buffer));  // "-d.ddde-05"

    std::string result;
    if (text.front() == '-') {
        result = "-";
        text.remove_prefix(1);
    }
    const size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (c != '.') digits += c;
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent < -4 || exponent > maxFixedExponent) {
        result += digits[0];
        if (digits.size() > 1) result.append(separator).append(digits, 1);
        result += 'E';
        if (exponent < 0) result += '-';
        std::string expDigits = std::to_string(std::abs(exponent));
        if (static_cast<int>(expDigits.size()) < minExponentDigits)
            expDigits.insert(0, static_cast<size_t>(minExponentDigits) - expDigits.size(), '0');
        return result + expDigits;
    }
    if (exponent < 0) {
        result += '0';
        result.append(separator);
        result.append(static_cast<size_t>(-exponent - 1), '0');
        return result + digits;
    }
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) return result + digits + std::string(whole - digits.size(), '0');
    return result + digits.substr(0, whole) + std::string(separator) + digits.substr(whole);
}

// A number of at least `width` digits, zeros in front.
void AppendPadded(std::string& text, long long value, size_t width) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    const auto length = static_cast<size_t>(end - digits);
    if (length < width) text.append(width - length, '0');
    text.append(digits, length);
}

std::string TwoDigits(int32_t n) {
    std::string digits = std::to_string(n < 0 ? -static_cast<int64_t>(n) : n);
    if (digits.size() < 2) digits.insert(0, 1, '0');
    return n < 0 ? "-" + digits : digits;
}

}  // namespace

std::string FormatGeneralNumber(double value, std::string_view decimalSeparator) {
    return FormatSignificant(value, 15, 14, 1, decimalSeparator);
}

std::string FormatAspectNumber(double value, std::string_view decimalSeparator) {
    return FormatSignificant(value, 5, 4, 3, decimalSeparator);
}

std::string FormatClockTime(double seconds, std::string_view decimalSeparator) {
    if (!std::isfinite(seconds)) return {};
    const double whole = std::round(std::fabs(seconds) * 1000);
    if (whole > 9e15) return FormatGeneralNumber(seconds, decimalSeparator);
    const auto milliseconds = static_cast<long long>(whole);
    // Written by hand, not by snprintf: the report of a DVD of 99 titles holds some 800 of them.
    std::string text = seconds < 0 ? "-" : "";
    AppendPadded(text, milliseconds / 3600000, 2);
    text += ':';
    AppendPadded(text, milliseconds / 60000 % 60, 2);
    text += ':';
    AppendPadded(text, milliseconds / 1000 % 60, 2);
    text += decimalSeparator;
    AppendPadded(text, milliseconds % 1000, 3);
    return text;
}

std::string FormatDuration(int32_t seconds) {
    const int32_t minutes = seconds / 60;
    const int32_t rest = seconds - minutes * 60;
    const int32_t hours = minutes / 60;
    if (hours > 0) return TwoDigits(hours) + ":" + TwoDigits(minutes % 60) + ":" + TwoDigits(rest);
    return TwoDigits(minutes) + ":" + TwoDigits(rest);
}

int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);  // the default rounding mode: to nearest, ties to even
    if (rounded >= 0x1p63) return std::numeric_limits<int64_t>::max();
    if (rounded < -0x1p63) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(rounded);
}

int32_t RoundHalfEvenToInt32(double value) {
    const int64_t rounded = RoundHalfEven(value);
    if (rounded > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (rounded < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}
