// The facts of a file as a whole: its container, length, bit rate and tags.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/media_details.h"

namespace lumora::ffmpeg {

// Fills the general fields of details (streams and chapters are left alone).
void ReadGeneralDetails(const AVFormatContext& format, int64_t fileSize, MediaDetails& details);

}  // namespace lumora::ffmpeg
