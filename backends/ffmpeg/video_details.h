// The facts a video stream's headers tell: picture, rates, pixels, colour, scan, rotation, HDR.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <vector>

#include "platform/media_details.h"

namespace lumora::ffmpeg {

MediaVideoDetails ReadVideoDetails(AVFormatContext& format, AVStream& stream);

// Constant or variable from presentation times in the stream's time base, in any order; nothing
// when too few are known. Steps that differ by one tick (rounded timestamps) count as equal.
std::optional<MediaFrameRateMode> FrameRateModeOf(std::vector<int64_t> times, int reorderDepth);

}  // namespace lumora::ffmpeg
