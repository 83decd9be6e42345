// The lines of the file page's list box, shared by the window and lumora_info.
#pragma once

#include <string>
#include <vector>

class TKxLumora;

// Ten video lines, nine per audio stream, and the failure marker as a last line when the
// analysis left one. Numbers use the component's decimal separator.
std::vector<std::string> FilePageLines(const TKxLumora& lumora);
