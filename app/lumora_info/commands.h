// The modes of lumora_info; each prints what one page shows and returns the exit status.
#pragma once

#include <string>

class Output;
class TKxLumora;
struct InfoOptions;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// For each file (folders walked), the file page's lines under "==> FILE <==" headers when there
// are several, or with --json one object per line; a failed file also gets a line on standard
// error. Each file is written as soon as it and every file before it is done.
int PrintFileInfo(const InfoOptions& options, Output& out);

// For each title of the volume at path, its title-list line and, indented, the lines the DVD page
// shows when it is selected (or one JSON object). kExitFailed, with one line on standard error,
// when path is no volume.
int PrintDvdInfo(TKxLumora& lumora, const std::string& path, bool json, Output& out);

// The filters and codecs page: each list's label, then its names indented, in drop-down order
// (or one JSON object).
int PrintCatalogue(TKxLumora& lumora, bool json, Output& out);
