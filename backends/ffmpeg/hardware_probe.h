// The hardware probe over libavcodec's hardware configurations.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::ffmpeg {

HRESULT CreateHardwareProbe(const IID& iid, void** out);

}  // namespace lumora::ffmpeg
