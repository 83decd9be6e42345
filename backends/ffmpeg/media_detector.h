// The media detector over libavformat.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::ffmpeg {

HRESULT CreateMediaDetector(const IID& iid, void** out);

}  // namespace lumora::ffmpeg
