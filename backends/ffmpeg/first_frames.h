// What only a video stream's first packets and frames tell: its frame rate mode where no index
// lists every sample, HDR metadata that comes with the first frame (HEVC SEI, AV1 metadata),
// HDR10+, and the scan where the headers leave it open.
#pragma once

#include "platform/media_details.h"

namespace lumora::ffmpeg {

class MediaInput;

// Reads on from where the probe stopped, for the file's first video stream: only packets the
// probe already read when timestamps are all that is wanted; when the stream can carry facts of
// its frames, at most a few more packets and at most 1 MB more of the file: the metadata of the
// first packets where it may be HDR (10 bits or more, a PQ or HLG transfer), a frame decoded
// where the headers leave the scan open. False when the deadline ended it.
bool ReadFirstFrames(MediaInput& input, MediaDetails& details);

}  // namespace lumora::ffmpeg
