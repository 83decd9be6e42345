// The system device enumerator over the installed media stack: libavcodec's encoders,
// libavfilter's filters, V4L2 and DVB devices and ALSA hardware PCMs.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::devices {

HRESULT CreateSystemDeviceEnum(const IID& iid, void** out);

}  // namespace lumora::devices
