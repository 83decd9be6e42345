// Which of libavcodec's decoders take a codec here, and the hardware they can use.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "platform/media_details.h"

namespace lumora::ffmpeg {

// The decoder avcodec_find_decoder picks, the codec's other decoders and the device types of
// their hardware configurations; decodes stays unknown.
MediaDecoding DecodersOf(AVCodecID codec);

// The first of the codec's decoders (the picked one first) that has a hardware configuration for
// the device type, with that configuration; null when none has.
struct HardwareDecoder {
    const AVCodec* decoder = nullptr;
    const AVCodecHWConfig* config = nullptr;
};
HardwareDecoder HardwareDecoderOf(AVCodecID codec, AVHWDeviceType type);

}  // namespace lumora::ffmpeg
