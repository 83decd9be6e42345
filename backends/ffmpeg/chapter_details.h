// A file's chapters in order.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <vector>

#include "platform/media_details.h"

namespace lumora::ffmpeg {

std::vector<MediaChapterDetails> ReadChapters(const AVFormatContext& format);

}  // namespace lumora::ffmpeg
