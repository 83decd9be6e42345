// Every fact of an open file's headers, and what its first frames add.
#pragma once

#include "platform/media_details.h"

namespace lumora::ffmpeg {

class MediaInput;

// Read from the open and probed input; afterwards the input is read no further.
MediaDetails ReadMediaDetails(MediaInput& input);

}  // namespace lumora::ffmpeg
