#include "platform/hardware_device_names.h"

#include "platform/ascii.h"

namespace {

constexpr struct {
    std::string_view type;
    std::string_view name;
} kNames[] = {
    {"vulkan", "Vulkan"},
    {"opencl", "OpenCL"},
    {"videotoolbox", "VideoToolbox"},
    {"mediacodec", "MediaCodec"},
};

}  // namespace

std::string HardwareDeviceTypeName(std::string_view type) {
    for (const auto& entry : kNames)
        if (entry.type == type) return std::string(entry.name);
    return UpperAscii(type);
}
