#include "catalogue/encoder_availability.h"

#include "platform/class_ids.h"
#include "platform/com.h"

std::map<std::string, HardwareProbeAnswer> ProbeHardwareEncoders(const std::vector<std::string>& entries) {
    std::map<std::string, HardwareProbeAnswer> answers;
    ComPtr<IHardwareProbe> probe;
    if (FAILED(CoCreateInstance(CLSID_HardwareProbe, probe))) return answers;
    for (const std::string& entry : entries) {
        HardwareProbeAnswer answer;
        if (probe->ProbeEncoder(entry.substr(0, entry.find(" \u2014 ")), &answer) == S_OK)
            answers.emplace(entry, std::move(answer));
    }
    return answers;
}
