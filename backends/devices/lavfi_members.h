// The filters of libavfilter as members of the filter category.
#pragma once

#include "backends/devices/device_member.h"

namespace lumora::devices {

// In libavfilter's own order.
MemberList LavfiFilterMembers();

}  // namespace lumora::devices
