// lumora_info --dvd PATH: what the DVD page shows for a volume.
#pragma once

#include <string>

class Output;
class TKxLumora;

// For each title of the volume at path, its title-list line and, indented, the lines the DVD page
// shows when it is selected (or one JSON object). kExitFailed, with one line on standard error,
// when path is no volume.
int PrintDvdInfo(TKxLumora& lumora, const std::string& path, bool json, Output& out);
