// The DVD reader: opens a volume through the platform's DVD navigator and fills the DVD record.
#pragma once

#include <string>

#include "dvd/kx_dvd_details.h"
#include "dvd/kx_dvd_info.h"

// What a reading came to.
struct DVDReadOutcome {
    bool completed = false;       // it ran to its end: no interface it needed was missing
    bool volumeRendered = false;  // the navigator took the path for a DVD-Video volume
};

// Reads the volume of the .ifo file FileName into DVDInfo: empties its titles, then fills the
// volume's facts and one record per title. Never throws. The graph's registration in the running
// object table and the hidden owner window never outlive the call. With Details, these are
// emptied first and filled from the same rendering, after the volume's facts (see ReadDVDDetails);
// without, the reading asks the navigator nothing more.
DVDReadOutcome ReadDVDVolume(const std::string& FileName, TKxDVDInfo& DVDInfo,
                             TKxDVDDetails* Details = nullptr);
