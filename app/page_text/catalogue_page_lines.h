// What the filters and codecs page shows, as text: the seven lists in the page's order.
#pragma once

#include <string>
#include <vector>

class TKxLumora;

struct CatalogueList {
    std::string label;               // the caption of the list's label on the page
    std::string key;                 // lumora_info's JSON name of the list: "video_codecs" …
    std::vector<std::string> items;  // in the order the drop-down list shows them
};

// The seven lists from top to bottom of the page, each in drop-down order.
std::vector<CatalogueList> CataloguePageLists(const TKxLumora& lumora);

// Each list's label on a line of its own, then its items, one per line, indented by two spaces.
std::vector<std::string> CataloguePageLines(const std::vector<CatalogueList>& lists);
std::vector<std::string> CataloguePageLines(const TKxLumora& lumora);
