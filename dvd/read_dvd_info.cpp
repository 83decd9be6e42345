// TKxLumora's DVD operation: the reader over FileName into DVDInfo.
#include "dvd/read_dvd_volume.h"
#include "mediainfo/lumoram.h"

void TKxLumora::ReadDVDInfo() {
    try {
        ReadDVDVolume(FFileName, *FDVDInfo);
    } catch (...) {
        // ReadDVDVolume already turns every failure into its result; nothing is shown.
    }
}
