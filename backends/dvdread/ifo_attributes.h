// The navigator's answers made from IFO fields: attributes, times, user operations, regions.
#pragma once

#include <dvdread/ifo_types.h>

#include "platform/dvd_types.h"

namespace lumora::dvdread {

DVD_VideoAttributes ToVideoAttributes(const video_attr_t& video);
DVD_AudioAttributes ToAudioAttributes(const audio_attr_t& audio);
DVD_SubpictureAttributes ToSubpictureAttributes(const subp_attr_t& subpicture);

// The application-mode byte as the IFO stores it, rebuilt from libdvdread's fields: for karaoke
// all of it but the top bit, for surround its Dolby Surround bit (3); 0 in other modes.
BYTE AppModeData(const audio_attr_t& audio);

struct TitleTime {
    DVD_HMSF_TIMECODE time;
    ULONG flags;  // DVD_TC_FLAG_25fps or DVD_TC_FLAG_30fps, 0 for another rate code
};
// BCD hours, minutes, seconds and frames; the frame rate in the top two bits of frame_u.
TitleTime ToTitleTime(const dvd_time_t& time);

// Bit n set when user operation n is prohibited.
ULONG ToUserOperations(const user_ops_t& operations);

// Set flags for the regions (1 to 8) that may not play the disc: bits 16 to 23 of the category.
void ToRegionFlags(uint32_t category, BOOL (&regions)[8]);

}  // namespace lumora::dvdread
