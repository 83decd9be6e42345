#include "backends/ffmpeg/hardware_device.h"

#include <cstdlib>
#include <filesystem>
#include <set>

#include "backends/ffmpeg/bounded_probe.h"

namespace lumora::ffmpeg {
namespace {

std::set<std::string> RenderNodes() {
    std::set<std::string> nodes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
        if (entry.path().filename().string().starts_with("renderD")) nodes.insert(entry.path().string());
    return nodes;
}

BufferRef Create(AVHWDeviceType type, const char* device) {
    AVBufferRef* context = nullptr;
    if (av_hwdevice_ctx_create(&context, type, device, nullptr, 0) < 0) return nullptr;
    return BufferRef(context);
}

}  // namespace

OpenedDevice OpenHardwareDevice(AVHWDeviceType type) {
    if (type == AV_HWDEVICE_TYPE_VAAPI || type == AV_HWDEVICE_TYPE_DRM)
        for (const std::string& node : RenderNodes())
            if (BufferRef context = Create(type, node.c_str())) return {std::move(context), node};
    OpenedDevice opened{Create(type, nullptr), {}};
    const char* display = std::getenv("DISPLAY");
    if (opened.context && type == AV_HWDEVICE_TYPE_VDPAU && display) opened.name = display;
    return opened;
}

HardwareProbeAnswer DeviceAnswer(AVHWDeviceType type) {
    HardwareProbeAnswer answer;
    answer.deviceType = av_hwdevice_get_type_name(type);
    const OpenedDevice opened = OpenHardwareDevice(type);
    answer.result = opened.context ? HardwareProbeResult::Usable : HardwareProbeResult::NoDevice;
    answer.device = opened.name;
    if (!opened.context) answer.detail = LastLibraryError();
    return answer;
}

}  // namespace lumora::ffmpeg
