// TKxLumora's file and DVD operations over fake platform objects; its catalogue operations are in
// catalogue_operations_test.cpp.
#include "component/lumoram.h"

#include <gtest/gtest.h>

#include "tests/support/fake_dvd.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

class ComponentFileInfo : public ::testing::Test {
protected:
    // Runs ReadFileInfo on an existing file with the scripted detector installed.
    void Analyse(const std::string& name = "clip.avi") {
        ScopedFakeMediaDetector detector(script);
        lumora.SetFileName(dir.File(name));
        lumora.ReadFileInfo();
    }

    TempDir dir;
    FakeMediaScript script;
    TKxLumora lumora;
};

TEST_F(ComponentFileInfo, FailureThrownInsideIsSwallowedWithResultsSoFar) {
    script.streams = {WaveStream(1, 2, 44100, 16), WaveStream(1, 1, 8000, 8)};
    script.streams[1].throwOnLength = true;
    Analyse();
    EXPECT_EQ(lumora.AudioStreamCount(), 1);
    EXPECT_EQ(lumora.AudioMajorType(), "Audio");
    EXPECT_EQ(script.liveDetectors, 0);
}

TEST_F(ComponentFileInfo, EachFileStartsFromEmptyResults) {
    FakeStream video = VideoInfoStream(640, 480, MakeFourCC('X', 'V', 'I', 'D'), 1000);
    video.rate = 25;
    video.length = 3;
    script.streams = {video, WaveStream(1, 2, 44100, 16), WaveStream(1, 2, 44100, 16)};
    script.details = MediaDetails{};
    script.details->streams.push_back({});
    script.details->streams[0].language = "fre";
    Analyse("first.avi");
    ASSERT_EQ(lumora.AudioStreamCount(), 2);
    ASSERT_TRUE(lumora.Details());
    EXPECT_EQ(lumora.Details()->streams.at(0).languageName, "French") << "named by the DVD's names";

    script.streams = {WaveStream(0x55, 2, 44100, 0)};
    Analyse("second.wav");
    EXPECT_EQ(lumora.AudioStreamCount(), 1);
    EXPECT_EQ(lumora.Video().Codec, "");
    EXPECT_EQ(lumora.Video().Width, 0);
    EXPECT_EQ(lumora.Video().FrameRate, 0);
    EXPECT_EQ(lumora.Video().AspectRatio, "");
    EXPECT_EQ(lumora.FileFormat(), "") << "WAV is no listed container";
    EXPECT_EQ(lumora.VideoMajorType(), "");
    EXPECT_EQ(lumora.VideoSubType(), "");
    EXPECT_EQ(lumora.Details()->streams.at(0).languageName, "French");

    script.openResult = E_FAIL;
    Analyse("third.avi");
    EXPECT_FALSE(lumora.Details()) << "a file that was not opened has no details";

    lumora.SetFileName((dir.Path() / "missing.avi").string());
    lumora.ReadFileInfo();
    EXPECT_EQ(lumora.AudioStreamCount(), 0);
    EXPECT_EQ(lumora.AudioMajorType(), "");
    EXPECT_EQ(lumora.VideoMajorType(), "FILE NOT FOUND");
}

TEST(Component, StartsEmpty) {
    TKxLumora lumora;
    EXPECT_EQ(lumora.AudioStreamCount(), 0);
    EXPECT_EQ(lumora.FileName(), "");
    EXPECT_EQ(lumora.FileFormat(), "");
    EXPECT_EQ(lumora.Video().Codec, "");
    EXPECT_EQ(lumora.Video().Width, 0);
    EXPECT_EQ(lumora.Video().AspectX, 0);
    EXPECT_EQ(lumora.DVDInfo().Titles.Count(), 0);
    EXPECT_FALSE(lumora.DVDVolumeRead());
    for (const TStrings* list :
         {&lumora.List_AudioCodecs(), &lumora.List_VideoCodecs(), &lumora.List_DirectShowFilters(),
          &lumora.List_VideoCaptureDevices(), &lumora.List_AudioCaptureDevices(),
          &lumora.List_AudioOutputDevices(), &lumora.List_TVTuners()})
        EXPECT_TRUE(list->empty());
}

TEST(ComponentDVDInfo, ReadsTheComponentsFileAndKeepsWhetherItWasAVolume) {
    const std::string path = "/media/disc/VIDEO_TS/VIDEO_TS.IFO";
    TKxLumora lumora;
    lumora.SetFileName(path);
    FakeDvd fake;
    fake.setup.volumeDetails = DvdVolumeDetails{"DISC", DvdLabelSource::Udf, "", "", 1, 0};
    fake.setup.titleDetails = {std::nullopt, DvdTitleDetails{}};
    {
        const auto installed = fake.Install();
        lumora.ReadDVDInfo();
    }
    EXPECT_EQ(fake.record->renderedPaths, std::vector<std::string>{path});
    EXPECT_EQ(lumora.DVDInfo().Titles.Count(), 2);
    EXPECT_TRUE(lumora.DVDVolumeRead());
    EXPECT_EQ(lumora.DVDDetails().Label, "DISC") << "the details from the same reading";
    ASSERT_EQ(lumora.DVDDetails().Titles.size(), 2u);
    EXPECT_FALSE(lumora.DVDDetails().Titles[0].Read) << "a broken title, and the one after it still read";
    EXPECT_TRUE(lumora.DVDDetails().Titles[1].Read);

    fake.setup.renderFails = true;
    {
        const auto installed = fake.Install();
        lumora.ReadDVDInfo();
    }
    EXPECT_FALSE(lumora.DVDVolumeRead()) << "a second reading's answer replaces the first";
    EXPECT_FALSE(lumora.DVDDetails().Read) << "and no detail of the first survives";
    EXPECT_TRUE(lumora.DVDDetails().Titles.empty());
}

}  // namespace
}  // namespace lumora::testing
