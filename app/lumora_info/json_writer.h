// The json format: one compact object per file (JSON Lines), one for a volume or the catalogue,
// as docs/json.md describes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/lumora_info/records.h"

// Nothing: each object is a line of its own.
std::string JsonFileHeader(size_t written, size_t count, std::string_view path);

// A failed file's object carries the failure's fields and still every other one.
std::string JsonFile(const FileRecord& record);
std::string JsonDvd(const DvdRecord& record);
std::string JsonCatalogue(const CatalogueRecord& record);

// "ok": false, the error, and the reason when the failure has one.
std::string JsonFailure(const Failure& failure);
