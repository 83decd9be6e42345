// DVB frontends as members of the TV tuner category.
#pragma once

#include <string>

#include "backends/devices/device_member.h"

namespace lumora::devices {

// The frontends of `folder` (/dev/dvb by default) by adapter, then frontend number; frontends
// that cannot be opened or queried are left out.
MemberList DvbTunerMembers(const std::string& folder = "/dev/dvb");

}  // namespace lumora::devices
