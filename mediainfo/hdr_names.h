// Names of a picture's HDR: one summary ("HDR10", "HLG", "Dolby Vision 8.1, HDR10 compatible",
// "HDR10+"), the mastering display's primaries and the Dolby Vision configuration.
#pragma once

#include <string>

#include "platform/media_details.h"

// Empty for a picture that is not HDR.
std::string HdrFormatName(const MediaVideoDetails& video);

// The known set the primaries match ("Display P3", "BT.2020" …), else their coordinates.
std::string MasteringPrimariesName(const MediaMasteringDisplay& display);

// What the base layer is compatible with ("HDR10 compatible"); empty for none or an unknown id.
std::string DolbyVisionCompatibilityName(int compatibilityId);
