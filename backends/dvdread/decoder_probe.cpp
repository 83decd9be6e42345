// Run once when the build is configured: prints, as DVD_AUDIO_CAPS_ flags, the DVD audio
// decoders that the libavcodec of this build has.
extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstdio>

#include "platform/dvd_types.h"

int main() {
    const struct {
        AVCodecID codec;
        unsigned flag;
    } decoders[] = {
        {AV_CODEC_ID_AC3, DVD_AUDIO_CAPS_AC3},
        {AV_CODEC_ID_MP2, DVD_AUDIO_CAPS_MPEG2},
        {AV_CODEC_ID_PCM_DVD, DVD_AUDIO_CAPS_LPCM},
        {AV_CODEC_ID_DTS, DVD_AUDIO_CAPS_DTS},
    };
    unsigned caps = 0;
    for (const auto& decoder : decoders)
        if (avcodec_find_decoder(decoder.codec)) caps |= decoder.flag;
    std::printf("%u", caps);
    return 0;
}
