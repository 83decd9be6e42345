// ALSA hardware PCM devices as members of the audio capture and audio renderer categories.
#pragma once

#include "platform/backends/devenum/device_member.h"

namespace lumora::devenum {

// By card, then device number; cards that cannot be opened are left out.
MemberList AlsaCaptureMembers();
MemberList AlsaPlaybackMembers();

}  // namespace lumora::devenum
