#include "app/page_text/hardware_answer_text.h"

#include "platform/hardware_device_names.h"

namespace {

std::string Reason(const HardwareProbeAnswer& answer) {
    switch (answer.result) {
        case HardwareProbeResult::Usable: return {};
        case HardwareProbeResult::NoDevice:
            return answer.deviceType.empty() ? "нет устройства"
                                             : "нет устройства " + HardwareDeviceTypeName(answer.deviceType);
        case HardwareProbeResult::Failed: return answer.detail.empty() ? "не работает" : answer.detail;
        case HardwareProbeResult::TimedOut: return "нет ответа за 2 с";
        case HardwareProbeResult::Crashed: return "проверка завершилась сбоем";
    }
    return {};
}

}  // namespace

std::string HardwarePathText(const std::optional<HardwareProbeAnswer>& answer) {
    if (!answer) return "не проверено";
    if (answer->result == HardwareProbeResult::NoDevice) return "нет устройства";
    return AvailabilityText(*answer);
}

std::string AvailabilityText(const HardwareProbeAnswer& answer) {
    return answer.result == HardwareProbeResult::Usable ? "да" : "нет (" + Reason(answer) + ")";
}
