// The media detector module.
#include "backends/ffmpeg/hardware_probe.h"
#include "backends/ffmpeg/media_detector.h"
#include "backends/ffmpeg/media_verifier.h"
#include "platform/class_ids.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_MediaDet, &lumora::ffmpeg::CreateMediaDetector},
    {&CLSID_HardwareProbe, &lumora::ffmpeg::CreateHardwareProbe},
    {&CLSID_MediaVerifier, &lumora::ffmpeg::CreateMediaVerifier},
};

}  // namespace

LUMORA_MODULE_ENTRY(kClasses)
