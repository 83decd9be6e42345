// The DVD decoder capabilities of this machine.
#pragma once

#include "platform/dvd_types.h"

namespace lumora::dvdread {

// Audio decoders libavcodec has, as DVD_AUDIO_CAPS_ flags, and normal play rates only.
DVD_DECODER_CAPS AvailableDecoderCaps();

}  // namespace lumora::dvdread
