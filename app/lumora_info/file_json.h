// The JSON object of one analysed file.
#pragma once

#include <string>

#include "app/lumora_info/json_text.h"

class TKxLumora;

// What the component holds after ReadFileInfo on path, with typed fields; reason is
// FailureReason's text when the analysis failed.
Json FileJson(const std::string& path, const TKxLumora& lumora, const std::string& reason);
