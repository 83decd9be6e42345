// The DVD decoder capabilities of this machine.
#pragma once

#include "platform/dvd_types.h"

namespace lumora::dvdread {

// The audio decoders of libavcodec, as DVD_AUDIO_CAPS_ flags, and normal play rates only. Which
// decoders libavcodec has is asked when the build is configured: loading libavcodec and its ~95
// libraries would cost a DVD reading 20 ms, ten times the reading itself.
DVD_DECODER_CAPS AvailableDecoderCaps();

}  // namespace lumora::dvdread
