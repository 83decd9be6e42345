// The moniker enumerator over one snapshot of a category's members.
#pragma once

#include "platform/backends/devenum/device_member.h"
#include "platform/devenum.h"

namespace lumora::devenum {

HRESULT CreateMemberEnumerator(MemberList members, IEnumMoniker** out);

}  // namespace lumora::devenum
