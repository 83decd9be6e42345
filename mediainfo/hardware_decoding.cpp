#include "mediainfo/hardware_decoding.h"

#include "platform/class_ids.h"
#include "platform/com.h"

void ProbeHardwareDecoding(const std::string& path, FileDetails& details) {
    ComPtr<IHardwareProbe> probe;
    for (DetailsStream& stream : details.streams) {
        for (DetailsHardwarePath& hardware : stream.decoding.hardware) {
            if (hardware.answer) continue;
            if (!probe && FAILED(CoCreateInstance(CLSID_HardwareProbe, probe))) return;
            HardwareProbeAnswer answer;
            if (SUCCEEDED(probe->ProbeDecoding(path, stream.index, hardware.deviceType, &answer)))
                hardware.answer = std::move(answer);
        }
    }
}
