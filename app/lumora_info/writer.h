// lumora_info's output formats, chosen with -of FORMAT: one row each, registered in one table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/lumora_info/records.h"

// How one format writes each record the commands hand it: the text for standard output, in whole
// lines. The functions keep no state, so that threads may call them at once.
struct Writer {
    std::string_view name;
    // What comes before a file of count after `written` others (the text's "==> FILE <==" when
    // there are several).
    std::string (*fileHeader)(size_t written, size_t count, std::string_view path);
    std::string (*file)(const FileRecord& record);
    std::string (*dvd)(const DvdRecord& record);
    std::string (*catalogue)(const CatalogueRecord& record);
    std::string (*failure)(const Failure& failure);
};

// The first row: text, the page's lines.
const Writer& DefaultWriter();

// The row of that name; null when there is none.
const Writer* FindWriter(std::string_view name);

// The names in the table's order: "text, json, full".
std::string WriterNames();
