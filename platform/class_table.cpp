#include "platform/class_table.h"

#include "platform/class_ids.h"

namespace {

constexpr RegisteredClass kClasses[] = {
    {CLSID_MediaDet, "ffmpeg"},         {CLSID_HardwareProbe, "ffmpeg"},     {CLSID_MediaVerifier, "ffmpeg"},
    {CLSID_DvdGraphBuilder, "dvdread"}, {CLSID_SystemDeviceEnum, "devices"}, {CLSID_AVOptionsPage, "devices"},
};

}  // namespace

std::span<const RegisteredClass> RegisteredClasses() { return kClasses; }

const RegisteredClass* FindRegisteredClass(const CLSID& clsid) {
    for (const RegisteredClass& entry : kClasses)
        if (IsEqualGUID(entry.clsid, clsid)) return &entry;
    return nullptr;
}
