// What the commands hand to a writer: a file's analysis, a volume's reading, the catalogue.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/lumora_info/failure.h"
#include "app/page_text/catalogue_page_lines.h"
#include "platform/hardware_probe.h"

class TKxLumora;

struct FileRecord {
    std::string path;
    const TKxLumora& lumora;         // after ReadFileInfo on path
    std::optional<Failure> failure;  // when the analysis left its failure marker
};

struct DvdRecord {
    std::string path;
    const TKxLumora& lumora;  // after a ReadDVDInfo that found a volume at path
};

struct CatalogueRecord {
    std::vector<CatalogueList> lists;  // in the page's order
    // Whether each hardware encoder opens here, by list entry; only the formats that show it ask.
    std::map<std::string, HardwareProbeAnswer> availability = {};
};
