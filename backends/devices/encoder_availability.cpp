#include "backends/devices/encoder_availability.h"

#include "platform/class_ids.h"
#include "platform/com.h"

namespace lumora::devices {

std::optional<HardwareProbeAnswer> EncoderAvailability(const char* name) {
    ComPtr<IHardwareProbe> probe;
    HardwareProbeAnswer answer;
    if (FAILED(CoCreateInstance(CLSID_HardwareProbe, probe)) || probe->ProbeEncoder(name, &answer) != S_OK)
        return std::nullopt;
    return answer;
}

}  // namespace lumora::devices
