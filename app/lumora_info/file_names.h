// How lumora_info shows a file's name and why a file could not be analysed.
#pragma once

#include <string>
#include <string_view>

#include "platform/hresult.h"

// The name with its control bytes escaped (\n, \t, \r, \x1b …) and so its C1 controls and its
// bidirectional formatting and line separator characters (\u0085, \u202e, \u2028 …), so that it
// stays on one line and in order; a backslash as \\, so that every printed name maps back to one
// name; any other byte as it is.
std::string EscapedName(std::string_view name);

// Why the analysis left its failure marker, from what it recorded: the operating system's reason
// ("No such file or directory", "Is a directory", "Permission denied" …), "not a regular file",
// "timed out", "container not allowed: NAME" or "not a media file".
std::string FailureReason(HRESULT result, const std::string& detail);
