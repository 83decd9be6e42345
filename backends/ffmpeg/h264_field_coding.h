// Whether an H.264 stream's sequence parameter set allows fields (frame_mbs_only_flag = 0), read
// from the stream's extradata, so that only such a stream has a frame decoded to learn its scan.
#pragma once

#include <optional>

#include "backends/ffmpeg/nal_units.h"

namespace lumora::ffmpeg {

// From an avcC record or Annex B NAL units; nothing when no sequence parameter set can be read.
std::optional<bool> H264AllowsFields(Bytes extradata);

}  // namespace lumora::ffmpeg
