// Whether a hardware encoder opens on this machine, asked of the FFmpeg module's hardware probe.
#pragma once

#include <optional>

#include "platform/hardware_probe.h"

namespace lumora::devices {

// The probe's answer (each encoder probed once per process, in a bounded child); none for a
// software encoder, or where no probe can be made.
std::optional<HardwareProbeAnswer> EncoderAvailability(const char* name);

}  // namespace lumora::devices
