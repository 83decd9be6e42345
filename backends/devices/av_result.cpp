#include "backends/devices/av_result.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>

namespace lumora::devices {

HRESULT HResultFromAVError(int error) {
    if (error >= 0) return S_OK;
    if (error == AVERROR(ENOMEM)) return E_OUTOFMEMORY;
    if (error == AVERROR(EINVAL) || error == AVERROR(ERANGE) || error == AVERROR_OPTION_NOT_FOUND)
        return E_INVALIDARG;
    return E_FAIL;
}

std::string AVErrorText(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

}  // namespace lumora::devices
