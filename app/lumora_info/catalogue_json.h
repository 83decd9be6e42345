// The JSON of the filters and codecs catalogue's lists.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/lumora_info/json_text.h"
#include "app/page_text/catalogue_page_lines.h"
#include "platform/hardware_probe.h"

// The lists in their order, each under its key, each entry split into its name and long name; a
// hardware encoder's entry with "usable" and "reason" where its availability is known.
Json CatalogueListsJson(const std::vector<CatalogueList>& lists,
                        const std::map<std::string, HardwareProbeAnswer>& availability);
