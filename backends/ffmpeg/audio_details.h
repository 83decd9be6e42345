// The facts of an audio stream: channels and their layout, sampling, depth and compression.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/media_details.h"

namespace lumora::ffmpeg {

MediaAudioDetails ReadAudioDetails(const AVStream& stream);

// Whether the codec (with that profile) loses nothing; nothing when libavcodec cannot tell.
std::optional<bool> IsLossless(AVCodecID codec, int profile);

}  // namespace lumora::ffmpeg
