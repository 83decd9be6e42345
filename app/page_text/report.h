// A report of sections: what lumora_info -of full prints and the details window shows, built once
// for both so that the two never differ.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ReportLine {
    std::string label;  // "Кодек"
    std::string value;  // one line of text, as ReportValue makes it
};

struct ReportSection {
    std::string title;  // "Видео #0", "Главы"
    std::vector<ReportLine> lines;
    std::vector<ReportSection> sections;  // nested, after the lines
};

using Report = std::vector<ReportSection>;

// A value as a report line shows it: control characters and bytes that are not UTF-8 escaped
// (\n, \t, \x1b, \xff …), so that it stays one line of text, and cut with "…" after
// kReportValueLimit characters.
inline constexpr size_t kReportValueLimit = 1000;
std::string ReportValue(std::string_view text);
std::string ReportValue(std::string&& text);  // the same, without a copy of text that stays as it is

// Each section's title on a line of its own, its lines as "label: value" and its nested
// sections indented by two spaces more; a blank line between top-level sections.
std::string ReportText(const Report& report);
