// The modes of lumora_info; each prints what one page shows and returns the exit status.
#pragma once

#include <string>
#include <vector>

class TKxLumora;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The file page's lines for each file; "==> FILE <==" headers when there are several.
int PrintFileInfo(TKxLumora& lumora, const std::vector<std::string>& files);

// For each title of the volume at path, its title-list line and, indented, the lines the DVD page
// shows when it is selected. kExitFailed, with one line on standard error, when path is no volume.
int PrintDvdInfo(TKxLumora& lumora, const std::string& path);

// The filters and codecs page: each list's label, then its names indented, in drop-down order.
int PrintCatalogue(TKxLumora& lumora);
