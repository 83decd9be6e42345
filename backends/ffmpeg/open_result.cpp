#include "backends/ffmpeg/open_result.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>

namespace lumora::ffmpeg {

OpenFailure OpenFailureOf(int averror, bool pastDeadline, int readError, const char* refusedFormat) {
    if (pastDeadline) return {VFW_E_TIMEOUT, {}};
    if (readError != 0) return {HResultFromErrno(readError), {}};
    if (refusedFormat) return {VFW_E_UNSUPPORTED_STREAM, refusedFormat};
    if (averror == AVERROR(ENOMEM)) return {E_OUTOFMEMORY, {}};
    return {VFW_E_UNKNOWN_FILE_TYPE, {}};
}

}  // namespace lumora::ffmpeg
