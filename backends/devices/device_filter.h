// The filter object of an audio device or a tuner: it tells its name and offers no settings.
#pragma once

#include <string>

#include "backends/devices/device_member.h"
#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::devices {

HRESULT CreateDeviceFilter(std::string name, const IID& iid, void** out);

// A member of that name and class whose filter object is such a device filter.
DeviceMember DeviceFilterMember(const std::string& name, const CLSID& clsid);

}  // namespace lumora::devices
