// The filter object of an audio device or a tuner: it tells its name and offers no settings.
#pragma once

#include <string>

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::devenum {

HRESULT CreateDeviceFilter(std::string name, const IID& iid, void** out);

}  // namespace lumora::devenum
