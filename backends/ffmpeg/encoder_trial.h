// Whether an encoder is hardware, and the trial opening that tells whether it works here: run in
// a probe's child, since a driver may hang or crash.
#pragma once

#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/hwcontext.h>
}

#include "platform/hardware_probe.h"

namespace lumora::ffmpeg {

// Marked as hardware or hybrid, with a hardware configuration, or wrapping a hardware family's
// interface (nvenc, qsv, vaapi, v4l2m2m, omx …).
bool IsHardwareEncoder(const AVCodec& encoder);

// The device types of the encoder's hardware configurations, each once.
std::vector<AVHWDeviceType> EncoderDeviceTypes(const AVCodec& encoder);

// Opens the encoder for small frames (320×240 video, 48 kHz stereo sound), on a device and with a
// hardware frames context where its configuration needs them.
HardwareProbeAnswer TryEncoder(const AVCodec& encoder);

}  // namespace lumora::ffmpeg
