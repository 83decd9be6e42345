// The one mapping of FFmpeg error codes to result codes in this backend.
#pragma once

#include <string>

#include "platform/hresult.h"

namespace lumora::devices {

HRESULT HResultFromAVError(int error);
std::string AVErrorText(int error);

}  // namespace lumora::devices
