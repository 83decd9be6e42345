// A hardware device of one type opened on this machine, for a probe.
#pragma once

#include <string>

#include "backends/ffmpeg/av_handles.h"
#include "platform/hardware_probe.h"

extern "C" {
#include <libavutil/hwcontext.h>
}

namespace lumora::ffmpeg {

struct OpenedDevice {
    BufferRef context;  // null when no device of the type opens
    std::string name;   // the render node, or the display; empty when the device has no name
};

// For VAAPI and DRM the first render node that opens (so that the answer can name it), then, and
// for the other types, the library's default device.
OpenedDevice OpenHardwareDevice(AVHWDeviceType type);

// Usable with the device's name, or NoDevice with the library's last message.
HardwareProbeAnswer DeviceAnswer(AVHWDeviceType type);

}  // namespace lumora::ffmpeg
