// The files that lumora_info's arguments name: each argument as it stands, or the files under it
// when it is a folder.
#pragma once

#include <string>
#include <vector>

#include "app/lumora_info/path_list.h"

struct NameFilter {
    std::vector<std::string> include;  // fnmatch patterns on a file's name; empty: every name
    std::vector<std::string> exclude;  // wins over include
    bool Accepts(const std::string& name) const;
};

struct ExpandedFiles {
    PathList files;
    std::vector<bool> foundByWalk;  // for each file: it was met in a folder, not named
    bool unreadableFolder = false;  // some folder was reported on standard error and skipped
};

// A folder argument (or a link to one) is walked recursively: the regular files under it that
// the filter accepts, sorted by path; links to files are followed, links to folders are not, and
// no folder is entered twice. FIFOs, devices, sockets and whatever vanishes during the walk are
// left out without a word (and so is a file that vanishes before its analysis: see
// PrintFileInfo); a folder that cannot be read gets one line on standard error. Every other
// argument is kept as given, whatever it is, so that its analysis reports it.
ExpandedFiles ExpandArguments(const std::vector<std::string>& arguments, const NameFilter& filter);
