// The property bag of one member: "FriendlyName", "CLSID" and, where it has one, "FccHandler".
#pragma once

#include "backends/devices/device_member.h"

namespace lumora::devices {

HRESULT CreateMemberPropertyBag(const DeviceMember& member, const IID& iid, void** out);

}  // namespace lumora::devices
