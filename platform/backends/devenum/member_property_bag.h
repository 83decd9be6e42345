// The property bag of one member: "FriendlyName", "CLSID" and, where it has one, "FccHandler".
#pragma once

#include "platform/backends/devenum/device_member.h"

namespace lumora::devenum {

HRESULT CreateMemberPropertyBag(const DeviceMember& member, const IID& iid, void** out);

}  // namespace lumora::devenum
