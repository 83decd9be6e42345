// The filter object of a V4L2 capture device, with the capture driver dialogs.
#pragma once

#include <string>

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::devices {

HRESULT CreateV4L2CaptureFilter(std::string path, std::string name, const IID& iid, void** out);

}  // namespace lumora::devices
