#include "platform/class_table.h"

#include "platform/devenum.h"
#include "platform/dvd_interfaces.h"
#include "platform/media_det.h"

namespace {

constexpr RegisteredClass kClasses[] = {
    {CLSID_MediaDet, "ffmpeg"},
    {CLSID_DvdGraphBuilder, "dvdread"},
    {CLSID_SystemDeviceEnum, "devices"},
    // The options page that the device module's codecs and filters name in their page lists.
    {MakeGuid("{44A20CFC-7130-4BA7-8FC2-8B5B03B60BE8}"), "devices"},
};

}  // namespace

std::span<const RegisteredClass> RegisteredClasses() { return kClasses; }

const RegisteredClass* FindRegisteredClass(const CLSID& clsid) {
    for (const RegisteredClass& entry : kClasses)
        if (IsEqualGUID(entry.clsid, clsid)) return &entry;
    return nullptr;
}
