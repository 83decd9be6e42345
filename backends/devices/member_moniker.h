// The moniker of one member: its storage is the member's property bag, its object the member's
// filter object.
#pragma once

#include "backends/devices/device_member.h"
#include "platform/moniker.h"

namespace lumora::devices {

HRESULT CreateMemberMoniker(DeviceMember member, IMoniker** out);

}  // namespace lumora::devices
