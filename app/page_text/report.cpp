#include "app/page_text/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "mediainfo/number_text.h"

#include "platform/utf8.h"

namespace {

void AppendSection(const ReportSection& section, const std::string& indent, std::string& text) {
    text += indent + section.title + "\n";
    const std::string inner = indent + "  ";
    for (const ReportLine& line : section.lines)
        text += inner + line.label + ": " + line.value + "\n";
    for (const ReportSection& nested : section.sections)
        AppendSection(nested, inner, text);
}

}  // namespace

std::string ReportValue(std::string_view text) {
    std::string value;
    size_t characters = 0;
    for (size_t at = 0; at < text.size();) {
        if (characters == kReportValueLimit) return value + "…";
        const size_t sequence = Utf8SequenceLength(text, at);
        const size_t length = std::max<size_t>(sequence, 1);
        const auto byte = static_cast<unsigned char>(text[at]);
        if (sequence == 0 || byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789abcdef";
            switch (byte) {
                case '\n': value += "\\n"; break;
                case '\t': value += "\\t"; break;
                case '\r': value += "\\r"; break;
                default: value += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
            }
        } else {
            value.append(text.substr(at, length));
        }
        at += length;
        ++characters;
    }
    return value;
}

std::string ClockText(double seconds, const std::string& separator) {
    if (!std::isfinite(seconds)) return {};
    const double whole = std::round(std::fabs(seconds) * 1000);
    if (whole > 9e15) return FormatGeneralNumber(seconds, separator);
    const auto milliseconds = static_cast<long long>(whole);
    char text[48];
    std::snprintf(text, sizeof text, "%s%02lld:%02lld:%02lld%s%03lld", seconds < 0 ? "-" : "",
                  milliseconds / 3600000, milliseconds / 60000 % 60, milliseconds / 1000 % 60,
                  separator.c_str(), milliseconds % 1000);
    return text;
}

std::string ReportText(const Report& report) {
    std::string text;
    for (const ReportSection& section : report) {
        if (!text.empty()) text += "\n";
        AppendSection(section, "", text);
    }
    return text;
}
