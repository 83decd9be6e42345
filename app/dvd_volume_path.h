// Which page a path given from outside the window belongs on, decided by what the path is on
// disk, never by reading it as media.
#pragma once

#include <string_view>

// True for what the DVD page opens: an .ifo or .bup file, a VIDEO_TS folder or a folder that
// holds one (names in any letter case), an .iso regular file, a block device such as /dev/sr0.
// False for everything else, a missing path included. Symbolic links are followed.
bool IsDvdVolumePath(std::string_view path);
