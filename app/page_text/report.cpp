#include "app/page_text/report.h"

#include <algorithm>
#include "platform/utf8.h"

namespace {

void AppendSection(const ReportSection& section, size_t indent, std::string& text) {
    text.append(indent, ' ').append(section.title).append("\n");
    for (const ReportLine& line : section.lines)
        text.append(indent + 2, ' ').append(line.label).append(": ").append(line.value).append("\n");
    for (const ReportSection& nested : section.sections)
        AppendSection(nested, indent + 2, text);
}

// The length of the section's text, so that the text is made in one piece.
size_t SectionLength(const ReportSection& section, size_t indent) {
    size_t length = indent + section.title.size() + 1;
    for (const ReportLine& line : section.lines)
        length += indent + 2 + line.label.size() + 2 + line.value.size() + 1;
    for (const ReportSection& nested : section.sections)
        length += SectionLength(nested, indent + 2);
    return length;
}

}  // namespace

namespace {

// Most values are short printable ASCII, which stays as it is.
bool ShownAsItIs(std::string_view text) {
    return text.size() <= kReportValueLimit &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

std::string ReportValue(std::string&& text) {
    return ShownAsItIs(text) ? std::move(text) : ReportValue(std::string_view(text));
}

std::string ReportValue(std::string_view text) {
    if (ShownAsItIs(text)) return std::string(text);
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
    size_t length = 0;
    for (const ReportSection& section : report)
        length += SectionLength(section, 0) + 1;
    std::string text;
    text.reserve(length);
    for (const ReportSection& section : report) {
        if (!text.empty()) text += "\n";
        AppendSection(section, 0, text);
    }
    return text;
}
