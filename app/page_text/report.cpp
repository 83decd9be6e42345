#include "app/page_text/report.h"

#include <algorithm>
#include "platform/utf8.h"

namespace {

void AppendSection(const ReportSection& section, const std::string& indent, std::string& text) {
    text.append(indent).append(section.title).append("\n");
    const std::string inner = indent + "  ";
    for (const ReportLine& line : section.lines)
        text.append(inner).append(line.label).append(": ").append(line.value).append("\n");
    for (const ReportSection& nested : section.sections)
        AppendSection(nested, inner, text);
}

}  // namespace

std::string ReportValue(std::string_view text) {
    // Most values are short printable ASCII, which stays as it is.
    if (text.size() <= kReportValueLimit &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return std::string(text);
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

std::string ReportText(const Report& report) {
    std::string text;
    for (const ReportSection& section : report) {
        if (!text.empty()) text += "\n";
        AppendSection(section, "", text);
    }
    return text;
}
