// What the DVD graph and its navigator share: the rendered volume and where playback stands.
#pragma once

#include <optional>

#include "backends/dvdread/player_settings.h"
#include "backends/dvdread/volume_snapshot.h"
#include "platform/dvd_interfaces.h"

namespace lumora::dvdread {

struct DvdSession {
    std::optional<VolumeSnapshot> volume;  // empty until a volume renders
    DVD_DOMAIN domain = DVD_DOMAIN_Stop;
    ULONG title = 0;  // the title played, in the Title domain
    OAFilterState state = State_Stopped;
    OAHWND owner = 0;
    LONG visible = OATRUE;
    PlayerSettings player = UserPlayerSettings();

    void EnterStop() {
        domain = DVD_DOMAIN_Stop;
        title = 0;
    }
};

}  // namespace lumora::dvdread
