// The filter object of an encoder: a codec context with the encoder's defaults, its private
// options as a property page and, for video encoders with a FourCC, the compressor dialogs.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

struct AVCodec;

namespace lumora::devices {

// E_OUTOFMEMORY when no codec context can be made.
HRESULT CreateEncoderFilter(const AVCodec* codec, const IID& iid, void** out);

}  // namespace lumora::devices
