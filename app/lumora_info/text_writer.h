// The text format: the lines the window's pages show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/lumora_info/records.h"

// "==> FILE <==" (the name's control bytes escaped), after a blank line from the second file on;
// nothing when there is one file.
std::string TextFileHeader(size_t written, size_t count, std::string_view path);

// The file page's lines, the failure marker last for a failed file.
std::string TextFile(const FileRecord& record);

// Each title's line, then its video, audio and subtitle lines, indented and labelled.
std::string TextDvd(const DvdRecord& record);

// Each list's label, then its names, indented.
std::string TextCatalogue(const CatalogueRecord& record);

// Nothing: the failure's line on standard error says it all.
std::string TextFailure(const Failure& failure);
