// The media detector module.
#include "platform/backends/ffmpeg/media_detector.h"
#include "platform/media_det.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_MediaDet, &lumora::ffmpeg::CreateMediaDetector},
};

}  // namespace

LUMORA_MODULE_EXPORT HRESULT LumoraModuleCreateInstance(const CLSID* clsid, const IID* iid, void** out) {
    return CreateModuleClass(kClasses, clsid, iid, out);
}
