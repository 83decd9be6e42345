// The filters of libavfilter as members of the filter category.
#pragma once

#include "platform/backends/devenum/device_member.h"

namespace lumora::devenum {

// In libavfilter's own order.
MemberList LavfiFilterMembers();

}  // namespace lumora::devenum
