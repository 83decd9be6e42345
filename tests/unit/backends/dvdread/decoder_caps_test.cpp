// The DVD decoder capabilities of this machine.
#include <gtest/gtest.h>

#include "backends/dvdread/decoder_caps.h"

namespace {

TEST(DecoderCaps, SizedAndAtNormalRates) {
    const DVD_DECODER_CAPS caps = lumora::dvdread::AvailableDecoderCaps();
    EXPECT_EQ(caps.dwSize, sizeof(DVD_DECODER_CAPS));
    EXPECT_EQ(caps.dwAudioCaps &
                  ~(DVD_AUDIO_CAPS_AC3 | DVD_AUDIO_CAPS_MPEG2 | DVD_AUDIO_CAPS_LPCM | DVD_AUDIO_CAPS_DTS),
              0u);
    EXPECT_EQ(caps.dFwdMaxRateVideo, 1.0);
    EXPECT_EQ(caps.dBwdMaxRateSP, 1.0);
}

}  // namespace
