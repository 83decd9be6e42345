// The full format: every fact of each file or volume as a report of sections (-of full, --full).
#pragma once

#include <string>

#include "app/lumora_info/records.h"

// The file's report; a failed file as the text format writes it.
std::string FullFile(const FileRecord& record);

// The volume's report.
std::string FullDvd(const DvdRecord& record);

// The catalogue's lists, each hardware encoder followed by whether it opens on this machine
// ("Доступен на этой машине: да", "… нет (REASON)").
std::string FullCatalogue(const CatalogueRecord& record);
