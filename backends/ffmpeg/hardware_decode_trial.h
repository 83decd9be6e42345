// The trial decode on a hardware device: run in a probe's child, since a driver may hang or crash.
#pragma once

#include <string>

extern "C" {
#include <libavutil/hwcontext.h>
}

#include "platform/hardware_probe.h"

namespace lumora::ffmpeg {

// Whether the first frames of the file's stream, decoded with a device of the type by the first
// decoder that has a configuration for it, come out as hardware frames.
HardwareProbeAnswer TryHardwareDecoding(const std::string& path, int streamIndex, AVHWDeviceType type);

}  // namespace lumora::ffmpeg
