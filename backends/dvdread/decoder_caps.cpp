#include "backends/dvdread/decoder_caps.h"

namespace lumora::dvdread {

DVD_DECODER_CAPS AvailableDecoderCaps() {
    DVD_DECODER_CAPS caps{};
    caps.dwSize = sizeof caps;
    caps.dwAudioCaps = LUMORA_DVD_AUDIO_DECODERS;
    caps.dFwdMaxRateVideo = caps.dFwdMaxRateAudio = caps.dFwdMaxRateSP = 1.0;
    caps.dBwdMaxRateVideo = caps.dBwdMaxRateAudio = caps.dBwdMaxRateSP = 1.0;
    return caps;
}

}  // namespace lumora::dvdread
