// What the writers get of a file after its analysis, for lumora_info and the window alike.
#pragma once

#include <string>

#include "app/lumora_info/records.h"

// The record of the file at path after ReadFileInfo on it; with its failure ("not found", "not a
// media file" and the reason) when the analysis left its failure marker.
FileRecord AnalysedFileRecord(const std::string& path, const TKxLumora& lumora);
