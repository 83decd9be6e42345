// The navigator's answers made from IFO fields: attributes, times, user operations, regions.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <tuple>

#include "backends/dvdread/ifo_attributes.h"

namespace {

using namespace lumora::dvdread;

TEST(TitleTime, DecodesBcdAndTheFrameRate) {
    const auto fields = [](const TitleTime& t) {
        return std::tuple<int, int, int, int, ULONG>(t.time.bHours, t.time.bMinutes, t.time.bSeconds,
                                                     t.time.bFrames, t.flags);
    };
    EXPECT_EQ(fields(ToTitleTime({0x01, 0x05, 0x03, 0x40 | 0x24})),
              std::tuple(1, 5, 3, 24, DVD_TC_FLAG_25fps));
    EXPECT_EQ(fields(ToTitleTime({0x12, 0x59, 0x42, 0xC0 | 0x29})),
              std::tuple(12, 59, 42, 29, DVD_TC_FLAG_30fps));
    EXPECT_EQ(ToTitleTime({0, 0, 0, 0x80}).flags, 0u) << "rate code 2 is reserved";
    EXPECT_EQ(ToTitleTime({0xFF, 0xFF, 0xFF, 0xFF}).time.bHours, 165) << "no BCD check, but no overflow";
}

video_attr_t Video(unsigned mpeg, unsigned format, unsigned aspect, unsigned frames, unsigned size) {
    video_attr_t video{};
    video.mpeg_version = mpeg & 3;
    video.video_format = format & 3;
    video.display_aspect_ratio = aspect & 3;
    video.permitted_df = frames & 3;
    video.picture_size = size & 3;
    return video;
}

// The whole answer in its field order: pan-scan, letterbox, aspect x and y, frame rate and height,
// compression, line-21 fields 1 and 2, source width and height, letterboxed, film mode.
using VideoFields = std::array<uint32_t, 13>;
constexpr uint32_t kMpeg1 = DVD_VideoCompression_MPEG1, kMpeg2 = DVD_VideoCompression_MPEG2,
                   kOther = DVD_VideoCompression_Other;

TEST(VideoAttributes, FromTheIfoFields) {
    video_attr_t film = Video(1, 1, 3, 2, 0);
    film.line21_cc_1 = 1;
    film.film_mode = 1;
    const struct {
        const char* what;
        video_attr_t video;
        VideoFields expected;
    } cases[] = {
        {"PAL 16:9 letterbox only", film, {0, 1, 16, 9, 50, 576, kMpeg2, 1, 0, 720, 576, 0, 1}},
        {"SIF: half the lines", Video(0, 0, 0, 1, 3), {1, 0, 4, 3, 60, 480, kMpeg1, 0, 0, 352, 240, 0, 0}},
        {"704 wide", Video(0, 0, 0, 1, 1), {1, 0, 4, 3, 60, 480, kMpeg1, 0, 0, 704, 480, 0, 0}},
        {"352 wide, all lines", Video(0, 0, 0, 1, 2), {1, 0, 4, 3, 60, 480, kMpeg1, 0, 0, 352, 480, 0, 0}},
        {"reserved: no aspect or size", Video(2, 3, 1, 1, 2), {1, 0, 0, 0, 0, 0, kOther, 0, 0, 352, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::bit_cast<VideoFields>(ToVideoAttributes(c.video)), c.expected) << c.what;
}

TEST(AudioAttributes, FromTheIfoFields) {
    audio_attr_t audio{};
    audio.audio_format = 0;
    audio.channels = 5;
    audio.lang_type = 1;
    audio.lang_code = 'e' << 8 | 'n';
    audio.code_extension = 3;
    DVD_AudioAttributes result = ToAudioAttributes(audio);
    EXPECT_EQ(result.AudioFormat, DVD_AudioFormat_AC3);
    EXPECT_EQ(result.bNumberOfChannels, 6);
    EXPECT_EQ(result.Language, 0x0409u);
    EXPECT_EQ(result.LanguageExtension, DVD_AUD_EXT_DirectorComments1);
    EXPECT_EQ(result.dwFrequency, 48000u);
    EXPECT_EQ(result.bQuantization, 0) << "only LPCM has a sample size";

    audio.lang_type = 0;
    EXPECT_EQ(ToAudioAttributes(audio).Language, 0u) << "the code counts only when the type says language";

    const struct {
        unsigned format, quantization;
        DVD_AUDIO_FORMAT expected;
    } formats[] = {
        {2, 0, DVD_AudioFormat_MPEG1},     {2, 1, DVD_AudioFormat_MPEG1_DRC}, {3, 0, DVD_AudioFormat_MPEG2},
        {3, 1, DVD_AudioFormat_MPEG2_DRC}, {4, 0, DVD_AudioFormat_LPCM},      {6, 0, DVD_AudioFormat_DTS},
        {7, 0, DVD_AudioFormat_SDDS},      {1, 0, DVD_AudioFormat_Other},     {5, 0, DVD_AudioFormat_Other},
    };
    for (const auto& row : formats) {
        audio.audio_format = row.format & 7;
        audio.quantization = row.quantization & 3;
        EXPECT_EQ(ToAudioAttributes(audio).AudioFormat, row.expected)
            << row.format << "/" << row.quantization;
    }
    audio.audio_format = 4;
    audio.sample_frequency = 1;
    for (const auto& [quantization, bits] : {std::pair{0u, 16}, {1u, 20}, {2u, 24}, {3u, 0}}) {
        audio.quantization = quantization & 3;
        EXPECT_EQ(ToAudioAttributes(audio).bQuantization, bits);
    }
    EXPECT_EQ(ToAudioAttributes(audio).dwFrequency, 96000u);
    audio.application_mode = 2;
    audio.app_info.karaoke.version = 2;  // how libdvdread 6 reads a stored 0x08 (Dolby Surround)
    EXPECT_EQ(ToAudioAttributes(audio).AppMode, DVD_AudioMode_Surround);
    EXPECT_EQ(ToAudioAttributes(audio).AppModeData, 0x08);
}

TEST(SubpictureAttributes, LanguageOnlyForTheLanguageType) {
    // Type, coding mode, language, extension.
    const auto fields = [](unsigned type, unsigned mode) {
        subp_attr_t subpicture{};
        subpicture.type = type & 3;
        subpicture.code_mode = mode & 7;
        subpicture.lang_code = 'r' << 8 | 'u';
        subpicture.code_extension = 9;
        return std::bit_cast<std::array<uint32_t, 4>>(ToSubpictureAttributes(subpicture));
    };
    using Fields = std::array<uint32_t, 4>;
    EXPECT_EQ(fields(1, 0), (Fields{DVD_SPType_Language, DVD_SPCoding_RunLength, 0x0419, DVD_SP_EXT_Forced}));
    EXPECT_EQ(fields(0, 5), (Fields{DVD_SPType_NotSpecified, DVD_SPCoding_Other, 0, DVD_SP_EXT_Forced}));
    EXPECT_EQ(fields(3, 5)[0], DVD_SPType_Other);
}

TEST(UserOperations, BitNIsOperationN) {
    user_ops_t operations{};
    EXPECT_EQ(ToUserOperations(operations), 0u);
    operations.title_or_time_play = 1;
    operations.resume = 1;
    operations.video_pres_mode_change = 1;
    EXPECT_EQ(ToUserOperations(operations), 0x1u | 0x10000u | 0x1000000u);
}

TEST(RegionFlags, BitsSixteenToTwentyThree) {
    BOOL regions[8];
    ToRegionFlags(0x00FE0000, regions);
    EXPECT_FALSE(regions[0]) << "only region 1 may play";
    for (int i = 1; i < 8; ++i)
        EXPECT_TRUE(regions[i]);
}

}  // namespace
