// How much of a media file libavformat is shown.
#pragma once

#include <cstdint>

namespace lumora::ffmpeg {

// The part of the open regular file `fd`, `size` bytes long when it was opened, that holds its
// media: without a hole that runs to its end (a sparse tail was never written), and for a WAVE
// file without anything after its RIFF chunk when that chunk holds the whole data chunk. Some
// demuxers walk what follows their data a few bytes at a time looking for more chunks or start
// codes; a tail of zeros would keep them busy for as long as it is.
int64_t ReadableSize(int fd, int64_t size);

// The two parts of ReadableSize, each within `size`.
int64_t EndOfWrittenData(int fd, int64_t size);
int64_t EndOfRiffWave(int fd, int64_t size);

}  // namespace lumora::ffmpeg
