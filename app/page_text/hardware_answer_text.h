// What the reports say of a hardware probe's answer.
#pragma once

#include <optional>
#include <string>

#include "platform/hardware_probe.h"

// A decoding path: "да", "нет устройства", "нет (REASON)"; "не проверено" before the probe.
std::string HardwarePathText(const std::optional<HardwareProbeAnswer>& answer);

// An encoder: "да" or "нет (REASON)".
std::string AvailabilityText(const HardwareProbeAnswer& answer);
