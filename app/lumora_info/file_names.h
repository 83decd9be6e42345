// How lumora_info shows a file's name and why a file could not be analysed.
#pragma once

#include <string>
#include <string_view>

// The name with its control bytes escaped (\n, \t, \r, \x1b …), so that it stays on one line;
// any other byte as it is.
std::string EscapedName(std::string_view name);

// Why the analysis left its failure marker: the operating system's reason ("No such file or
// directory", "Is a directory", "Permission denied" …), "not a regular file", or "not a media
// file" when the detector refused a readable file. Asked again after the analysis, so a file
// changed in between gives its new state.
std::string FailureReason(const std::string& path);
