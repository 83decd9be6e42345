#include "platform/backends/ffmpeg/media_detector.h"

namespace lumora::ffmpeg {

HRESULT CreateMediaDetector(const IID&, void** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

}  // namespace lumora::ffmpeg
