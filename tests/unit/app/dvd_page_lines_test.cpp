#include "app/page_text/dvd_page_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dvd/kx_dvd_info.h"
#include "tests/support/fake_dvd.h"

namespace {

using lumora::testing::FakeAudio;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DvdTitleLine, NumbersFromOneAndLeavesOutTheFrames) {
    TKx_DVD_TitleInfo title;
    title.TotalTime = {1, 5, 3, 24};
    EXPECT_EQ(DvdTitleLine(1, title), "Глава 2  [1:5:3]");
    title.TotalTime = {0, 42, 7, 0};
    EXPECT_EQ(DvdTitleLine(0, title), "Глава 1  [0:42:7]");
    title.TotalTime = {0, 0, 0, 0};
    EXPECT_EQ(DvdTitleLine(98, title), "Глава 99  [0:0:0]");
}

TEST(DvdVideoLine, NamesTheCompressionAndEndsWithASpace) {
    DVD_TitleAttributes attributes{};
    attributes.VideoAttributes = {};
    attributes.VideoAttributes.ulSourceResolutionX = 720;
    attributes.VideoAttributes.ulSourceResolutionY = 576;
    attributes.VideoAttributes.ulAspectX = 16;
    attributes.VideoAttributes.ulAspectY = 9;
    attributes.VideoAttributes.Compression = DVD_VideoCompression_MPEG2;
    EXPECT_EQ(DvdVideoLine(attributes), "MPEG2 720x576 16:9 ");
    attributes.VideoAttributes.Compression = DVD_VideoCompression_MPEG1;
    EXPECT_EQ(DvdVideoLine(attributes), "MPEG1 720x576 16:9 ");
    attributes.VideoAttributes.Compression = DVD_VideoCompression_Other;
    EXPECT_EQ(DvdVideoLine(attributes), "[Неизвестный формат видео] 720x576 16:9 ");
    attributes.VideoAttributes.Compression = static_cast<DVD_VIDEO_COMPRESSION>(3);
    EXPECT_EQ(DvdVideoLine(attributes), "720x576 16:9 ");
    attributes.VideoAttributes.ulSourceResolutionX = 0xFFFFFFFF;
    EXPECT_EQ(DvdVideoLine(attributes), "4294967295x576 16:9 ") << "unsigned 32-bit numbers";
}

TEST(DvdAudioLines, FormatChannelsAndLanguage) {
    DVD_TitleAttributes attributes{};
    attributes.ulNumberOfAudioStreams = 2;
    attributes.AudioAttributes[0] = FakeAudio(DVD_AudioFormat_AC3, 6, 0x0409);
    attributes.AudioAttributes[1] = FakeAudio(DVD_AudioFormat_LPCM, 2, 0);
    attributes.AudioAttributes[2] = FakeAudio(DVD_AudioFormat_DTS, 6, 0x0409);
    EXPECT_THAT(DvdAudioLines(attributes),
                ElementsAre("AC3 - 6 канала(ов) - English", "LPCM - 2 канала(ов) - [Unknown language]"));
}

TEST(DvdAudioLines, EveryFormatName) {
    const char* names[] = {"AC3",   "MPEG1",     "MPEG1 DRC",
                           "MPEG2", "MPEG2 DRC", "LPCM",
                           "DTS",   "SDDS",      "[Неизвестный формат аудио]"};
    for (uint32_t format = 0; format < std::size(names); ++format)
        EXPECT_EQ(DvdAudioFormatName(static_cast<DVD_AUDIO_FORMAT>(format)), names[format]);
    EXPECT_EQ(DvdAudioFormatName(static_cast<DVD_AUDIO_FORMAT>(9)), "");
    DVD_TitleAttributes attributes{};
    attributes.ulNumberOfAudioStreams = 1;
    attributes.AudioAttributes[0] = FakeAudio(static_cast<DVD_AUDIO_FORMAT>(42), 2, 0x0419);
    EXPECT_THAT(DvdAudioLines(attributes), ElementsAre(" - 2 канала(ов) - Russian"));
}

TEST(DvdAudioLines, AtMostEightEvenWhenTheCountSaysMore) {
    DVD_TitleAttributes attributes{};
    for (auto& audio : attributes.AudioAttributes)
        audio = FakeAudio(DVD_AudioFormat_MPEG2, 2, 0x0407);
    attributes.ulNumberOfAudioStreams = 0xFFFFFFFF;
    EXPECT_EQ(DvdAudioLines(attributes).size(), 8u);
    attributes.ulNumberOfAudioStreams = 0;
    EXPECT_THAT(DvdAudioLines(attributes), IsEmpty());
}

TEST(DvdSubtitleLines, OneLanguagePerStreamAndAtMostThirtyTwo) {
    DVD_TitleAttributes attributes{};
    attributes.ulNumberOfSubpictureStreams = 3;
    attributes.SubpictureAttributes[0].Language = 0x0419;
    attributes.SubpictureAttributes[1].Language = 0;
    attributes.SubpictureAttributes[2].Language = 0x0C08;
    EXPECT_THAT(DvdSubtitleLines(attributes),
                ElementsAre("Russian", "[Unknown language]", "[Unknown language]"));
    attributes.ulNumberOfSubpictureStreams = 33;
    EXPECT_EQ(DvdSubtitleLines(attributes).size(), 32u);
    attributes.ulNumberOfSubpictureStreams = 0;
    EXPECT_THAT(DvdSubtitleLines(attributes), IsEmpty());
}

}  // namespace
