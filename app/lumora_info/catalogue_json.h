// The JSON of the filters and codecs catalogue's lists.
#pragma once

#include <vector>

#include "app/lumora_info/json_text.h"
#include "app/page_text/catalogue_page_lines.h"

// The lists in their order, each under its key, each entry split into its name and long name.
Json CatalogueListsJson(const std::vector<CatalogueList>& lists);
