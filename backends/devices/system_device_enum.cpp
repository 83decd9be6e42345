#include "backends/devices/system_device_enum.h"

#include <utility>

#include "backends/devices/audio_members.h"
#include "backends/devices/codec_members.h"
#include "backends/devices/dvb_tuners.h"
#include "backends/devices/lavfi_members.h"
#include "backends/devices/member_enumerator.h"
#include "backends/devices/v4l2_devices.h"
#include "platform/com_object.h"
#include "platform/devenum.h"

namespace lumora::devices {

namespace {

MemberList TunerMembers() {
    MemberList members = DvbTunerMembers();
    for (DeviceMember& member : V4L2TunerMembers())
        members.push_back(std::move(member));
    return members;
}

struct CategorySource {
    const GUID* category;
    MemberList (*members)();
};

const CategorySource kCategories[] = {
    {&CLSID_VideoCompressorCategory, &VideoEncoderMembers},
    {&CLSID_AudioCompressorCategory, &AudioEncoderMembers},
    {&CLSID_LegacyAmFilterCategory, &LavfiFilterMembers},
    {&CLSID_VideoInputDeviceCategory, [] { return V4L2CaptureMembers(); }},
    {&CLSID_AudioInputDeviceCategory, &AudioCaptureMembers},
    {&CLSID_AudioRendererCategory, &AudioRendererMembers},
    {&AM_KSCATEGORY_TVTUNER, &TunerMembers},
};

class SystemDeviceEnum : public ComObject<ICreateDevEnum> {
public:
    HRESULT CreateClassEnumerator(const GUID& category, IEnumMoniker** out, uint32_t) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        for (const CategorySource& source : kCategories) {
            if (!IsEqualGUID(*source.category, category)) continue;
            MemberList members = source.members();
            if (members.empty()) return S_FALSE;
            return CreateMemberEnumerator(std::move(members), out);
        }
        return S_FALSE;
    }
};

}  // namespace

HRESULT CreateSystemDeviceEnum(const IID& iid, void** out) {
    return CreateComObject<SystemDeviceEnum>(iid, out);
}

}  // namespace lumora::devices
