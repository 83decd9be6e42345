// The analysis of one media file through the platform's media detector.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mediainfo/stream_info.h"
#include "platform/media_details.h"

inline constexpr char kFileNotFoundMarker[] = "FILE NOT FOUND";
inline constexpr char kErrorMarker[] = "ERROR";

// Whether a VideoMajorType is one of the two failure markers.
inline bool IsFailureMarker(std::string_view videoMajorType) {
    return videoMajorType == kFileNotFoundMarker || videoMajorType == kErrorMarker;
}

// Writes what the detector tells of the file into results, which the caller has emptied: the
// container name, the type names, the video description and one audio entry per audio stream.
// A missing file leaves "FILE NOT FOUND" in VideoMajorType, a file the detector refuses "ERROR".
// The aspect ratio's number is written with decimalSeparator. What was written before a failure
// escapes stays. With `details`, what the same opening of the file tells beyond the page goes
// there too (nothing when the detector cannot tell it).
void AnalyseMediaFile(const std::string& fileName, const std::string& decimalSeparator,
                      MediaFileResults& results, std::optional<MediaDetails>* details = nullptr);
