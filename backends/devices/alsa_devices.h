// ALSA hardware PCM devices as members of the audio capture and audio renderer categories.
#pragma once

#include "backends/devices/device_member.h"

namespace lumora::devices {

// By card, then device number; cards that cannot be opened are left out.
MemberList AlsaCaptureMembers();
MemberList AlsaPlaybackMembers();

}  // namespace lumora::devices
