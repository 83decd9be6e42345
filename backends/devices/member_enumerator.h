// The moniker enumerator over one snapshot of a category's members.
#pragma once

#include "backends/devices/device_member.h"
#include "platform/devenum.h"

namespace lumora::devices {

HRESULT CreateMemberEnumerator(MemberList members, IEnumMoniker** out);

}  // namespace lumora::devices
