// The facts of one stream that every kind shares, and those of its kind.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/media_details.h"

namespace lumora::ffmpeg {

MediaStreamDetails ReadStreamDetails(AVFormatContext& format, AVStream& stream);

// Seconds of a stream's time, or nothing for no time or a time base that is none.
std::optional<double> StreamSeconds(const AVStream& stream, int64_t time);

// Whether the stream's index lists every sample (MP4's sample table, an AVI index), so that its
// entries tell sizes and timestamps without a packet being read.
bool IndexListsEverySample(AVStream& stream);

}  // namespace lumora::ffmpeg
