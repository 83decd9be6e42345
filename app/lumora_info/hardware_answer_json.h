// What the JSON says of a hardware probe's answer.
#pragma once

#include "app/lumora_info/json_text.h"
#include "platform/hardware_probe.h"

// Why the hardware is not usable, in English ("no device", "no answer within 2 s" …); null when
// it is.
Json HardwareReason(const HardwareProbeAnswer& answer);
