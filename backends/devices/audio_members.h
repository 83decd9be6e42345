// Members of the audio capture and audio renderer categories: the sound server's default device,
// the ALSA hardware PCMs, then the sound server's devices.
#pragma once

#include "backends/devices/device_member.h"

namespace lumora::devices {

// "Default input (DESCRIPTION)" first when the server has a default source, the ALSA capture PCMs,
// then the server's sources that monitor no sink.
MemberList AudioCaptureMembers();
// "Default output (DESCRIPTION)" first when the server has a default sink, the ALSA playback PCMs,
// then the server's sinks.
MemberList AudioRendererMembers();

}  // namespace lumora::devices
