// The JSON object of the filters and codecs catalogue.
#pragma once

#include <string>

#include "app/lumora_info/json_text.h"

class TKxLumora;

// The seven lists in the page's order under their keys, each entry split into its name and long
// name.
Json CatalogueJson(const TKxLumora& lumora);

Json CatalogueFailureJson(const std::string& error);
