// Why the media detector could not open a file, as the result code its put_Filename answers.
#pragma once

#include <string>

#include "platform/hresult.h"

namespace lumora::ffmpeg {

struct OpenFailure {
    HRESULT result = S_OK;
    std::string refusedFormat;  // the refused demuxer's name, for VFW_E_UNSUPPORTED_STREAM
};

// How an open went wrong, told apart in this order: past the deadline, a read that failed with
// readError (an errno), a demuxer that is not allowed (refusedFormat), out of memory (averror),
// else no demuxer took the file.
OpenFailure OpenFailureOf(int averror, bool pastDeadline, int readError, const char* refusedFormat);

}  // namespace lumora::ffmpeg
