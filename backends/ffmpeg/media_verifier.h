// The full decoding check over libavformat and libavcodec.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::ffmpeg {

HRESULT CreateMediaVerifier(const IID& iid, void** out);

}  // namespace lumora::ffmpeg
