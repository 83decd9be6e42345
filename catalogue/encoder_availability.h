// Whether the hardware encoders among the codec lists' entries open on this machine.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/hardware_probe.h"

// The platform's probe answer for each entry ("name — long name", or the name alone) that names
// a hardware encoder, probed when first asked (once per process, each in a bounded child);
// software encoders get none. Empty where the platform has no probe.
std::map<std::string, HardwareProbeAnswer> ProbeHardwareEncoders(const std::vector<std::string>& entries);
