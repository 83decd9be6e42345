// The media detector module.
#include "backends/ffmpeg/hardware_probe.h"
#include "backends/ffmpeg/media_detector.h"
#include "platform/class_ids.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_MediaDet, &lumora::ffmpeg::CreateMediaDetector},
    {&CLSID_HardwareProbe, &lumora::ffmpeg::CreateHardwareProbe},
};

}  // namespace

LUMORA_MODULE_ENTRY(kClasses)
