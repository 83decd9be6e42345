extern "C" {
#include <libavcodec/avcodec.h>
}

#include "platform/backends/dvdread/decoder_caps.h"

namespace lumora::dvdread {

DVD_DECODER_CAPS AvailableDecoderCaps() {
    DVD_DECODER_CAPS caps{};
    caps.dwSize = sizeof caps;
    const struct {
        AVCodecID codec;
        DWORD flag;
    } decoders[] = {
        {AV_CODEC_ID_AC3, DVD_AUDIO_CAPS_AC3},
        {AV_CODEC_ID_MP2, DVD_AUDIO_CAPS_MPEG2},
        {AV_CODEC_ID_PCM_DVD, DVD_AUDIO_CAPS_LPCM},
        {AV_CODEC_ID_DTS, DVD_AUDIO_CAPS_DTS},
    };
    for (const auto& decoder : decoders)
        if (avcodec_find_decoder(decoder.codec)) caps.dwAudioCaps |= decoder.flag;
    caps.dFwdMaxRateVideo = caps.dFwdMaxRateAudio = caps.dFwdMaxRateSP = 1.0;
    caps.dBwdMaxRateVideo = caps.dBwdMaxRateAudio = caps.dBwdMaxRateSP = 1.0;
    return caps;
}

}  // namespace lumora::dvdread
