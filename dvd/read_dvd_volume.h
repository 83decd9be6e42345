// The DVD reader: opens a volume through the platform's DVD navigator and fills the DVD record.
#pragma once

#include <string>

#include "dvd/kx_dvd_info.h"

// Reads the volume of the .ifo file FileName into DVDInfo: empties its titles, then fills the
// volume's facts and one record per title. True when the reading ran to its end, false when it
// stopped because an interface it needed was missing. Never throws. The graph's registration in
// the running object table and the hidden owner window never outlive the call.
bool ReadDVDVolume(const std::string& FileName, TKxDVDInfo& DVDInfo);
