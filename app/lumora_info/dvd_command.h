// lumora_info --dvd PATH: what the DVD page shows for a volume.
#pragma once

#include <string>

class Output;
class TKxLumora;
struct Writer;

// The volume at path, read and handed to the writer; when path is no volume, the failure, with
// one line on standard error. Returns the exit status.
int PrintDvdInfo(TKxLumora& lumora, const std::string& path, const Writer& writer, Output& out);
