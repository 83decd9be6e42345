// The pieces of the details that read libavutil's structures, timestamps and bitstreams.
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/mastering_display_metadata.h>
}

#include <cmath>

#include "backends/ffmpeg/inband_hdr.h"
#include "backends/ffmpeg/side_data.h"
#include "backends/ffmpeg/video_details.h"

namespace lumora::testing {
namespace {

using namespace lumora::ffmpeg;

TEST(DetailsParts, MasteringDisplayKeepsOnlyFractionsThatAreNumbers) {
    AVMasteringDisplayMetadata metadata{};
    metadata.has_primaries = 1;
    metadata.display_primaries[0][0] = {34000, 50000};
    metadata.display_primaries[0][1] = {16000, 0};  // red's y has no denominator
    metadata.white_point[0] = {15635, 50000};
    metadata.white_point[1] = {16450, 50000};
    metadata.has_luminance = 1;
    metadata.max_luminance = {10000000, 10000};
    metadata.min_luminance = {1, 0};
    const auto display = MasteringDisplayOf(metadata);
    ASSERT_TRUE(display);
    EXPECT_FALSE(display->red);
    EXPECT_FALSE(display->green) << "0/0";
    EXPECT_DOUBLE_EQ(display->whitePoint->x, 0.3127);
    EXPECT_DOUBLE_EQ(*display->maxLuminance, 1000);
    EXPECT_FALSE(display->minLuminance);
    EXPECT_FALSE(MasteringDisplayOf(AVMasteringDisplayMetadata{})) << "neither primaries nor luminance";
}

TEST(DetailsParts, FrameRateModeFromTimestamps) {
    const struct {
        std::vector<int64_t> times;
        int reorder;
        std::optional<MediaFrameRateMode> mode;
    } cases[] = {
        {{0, 40, 80, 120, 160, 200}, 0, MediaFrameRateMode::Constant},
        {{0, 33, 67, 100, 133, 167, 200}, 0, MediaFrameRateMode::Constant},  // 29.97 in milliseconds
        {{0, 40, 80, 160, 200, 240}, 0, MediaFrameRateMode::Variable},
        {{0, 160, 80, 40, 120, 320, 240, 200, 280, 480}, 2, MediaFrameRateMode::Constant},  // B-frames
        {{0, 40, 40, 80, 120, 160}, 0, MediaFrameRateMode::Variable},
        {{0, 40, 80, 120}, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameRateModeOf(c.times, c.reorder), c.mode) << c.times.size();
}

// AV1 metadata OBUs (type 5, with a size): HDR10's two and HDR10+'s ITU-T T.35 one.
TEST(DetailsParts, Av1MetadataOfTheFirstPackets) {
    AVCodecParameters codec{};
    codec.codec_id = AV_CODEC_ID_AV1;
    MediaVideoDetails video;
    InBandHdr reader(codec, video);
    const std::vector<uint8_t> packet = {
        0x12, 0x00,                                      // temporal delimiter
        0x2A, 0x06, 0x01, 0x03, 0xE8, 0x01, 0x90, 0x00,  // light levels 1000, 400
        0x2A, 0x19, 0x02,                                // mastering display: R, G, B, white
        0xAE, 0x14, 0x51, 0xEC, 0x43, 0xD7, 0xB0, 0xA4, 0x26, 0x66, 0x0F, 0x5C,
        0x50, 0x0D, 0x54, 0x39, 0x00, 0x03, 0xE8, 0x00, 0x00, 0x00, 0x00, 0x02,  // 1000, 0.0001 (18.14)
        0x2A, 0x07, 0x04, 0xB5, 0x00, 0x3C, 0x00, 0x01, 0x04,                    // T.35: HDR10+
    };
    reader.Read(Bytes(packet));
    EXPECT_EQ(video.maxContentLightLevel, 1000);
    EXPECT_EQ(video.maxFrameAverageLightLevel, 400);
    ASSERT_TRUE(video.masteringDisplay);
    EXPECT_NEAR(video.masteringDisplay->red->x, 0.68, 1e-4);
    EXPECT_NEAR(video.masteringDisplay->blue->y, 0.06, 1e-4);
    EXPECT_NEAR(video.masteringDisplay->whitePoint->y, 0.329, 1e-4);
    EXPECT_DOUBLE_EQ(*video.masteringDisplay->maxLuminance, 1000);
    EXPECT_NEAR(*video.masteringDisplay->minLuminance, 0.0001, 1e-4);
    EXPECT_TRUE(video.hdr10Plus);
}

}  // namespace
}  // namespace lumora::testing
