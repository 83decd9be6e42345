#include "app/lumora_info/hardware_answer_json.h"

#include "platform/hardware_device_names.h"

Json HardwareReason(const HardwareProbeAnswer& answer) {
    const std::string detail = answer.detail.empty() ? "" : ": " + answer.detail;
    switch (answer.result) {
        case HardwareProbeResult::Usable: return Json();
        case HardwareProbeResult::NoDevice:
            return (answer.deviceType.empty()
                        ? "no device"
                        : "no " + HardwareDeviceTypeName(answer.deviceType) + " device") +
                   detail;
        case HardwareProbeResult::Failed: return answer.detail.empty() ? "failed" : answer.detail;
        case HardwareProbeResult::TimedOut: return "no answer within 2 s";
        case HardwareProbeResult::Crashed: return "the probe crashed";
    }
    return Json();
}
