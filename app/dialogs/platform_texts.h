// The fixed English words that the platform puts into its dialog descriptions (page titles,
// capture table columns and captions), in the user's language. Anything else (names, values,
// FFmpeg's help texts) is shown as it came.
#pragma once

#include <QString>
#include <string>

#include "platform/hardware_probe.h"

QString PlatformText(const std::string& text);

// "Available on this machine: yes", or "… no (REASON)": a hardware encoder's probe answer.
QString AvailabilityLine(const HardwareProbeAnswer& answer);
