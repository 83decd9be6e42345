// The full decoding check of an open file: every packet of every stream read and decoded.
#pragma once

#include "platform/media_verification.h"

namespace lumora::ffmpeg {

class MediaInput;

// Reads the input to its end (or until it is cancelled), each video, audio and subtitle stream
// decoded by a StreamCheck; the other streams' packets are dropped by the demuxer.
MediaVerification CheckWholeFile(MediaInput& input, IVerifyProgress* progress);

}  // namespace lumora::ffmpeg
