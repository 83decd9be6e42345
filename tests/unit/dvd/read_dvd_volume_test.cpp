#include "dvd/read_dvd_volume.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/hidden_window.h"
#include "tests/support/fake_dvd.h"

namespace {

using lumora::testing::FakeDvd;
using lumora::testing::FakeDvdSetup;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::Not;

constexpr char kPath[] = "/media/disc/VIDEO_TS/VTS_01_0.IFO";

std::vector<std::string> VolumeQueries() {
    return {"GetDVDVolumeInfo",
            "GetDefaultMenuLanguage",
            "GetVMGAttributes",
            "GetAllSPRMs",
            "GetAllGPRMs",
            "GetCurrentUOPS",
            "GetDiscID",
            "GetDecoderCaps",
            "GetCurrentAudio",
            "GetDefaultAudioLanguage",
            "GetCurrentSubpicture",
            "GetDefaultSubpictureLanguage",
            "GetPlayerParentalLevel"};
}

std::vector<std::string> TitlePass(ULONG t) {
    const std::string n = std::to_string(t);
    return {"GetTitleAttributes " + n,
            "GetTitleParentalLevels " + n,
            "GetNumberOfChapters " + n,
            "Run",
            "Pause",
            "PlayTitle " + n,
            "GetTotalTitleTime",
            "Stop"};
}

// A record with a title left by an earlier reading.
TKxDVDInfo EarlierReading(uint32_t titles) {
    TKxDVDInfo dvd;
    dvd.Titles.Add(std::make_unique<TKx_DVD_TitleInfo>());
    dvd.NumberOfTitles = titles;
    dvd.UOPs = 0xABCD;
    return dvd;
}

class ReadDVDVolumeTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(fake.record->liveObjects, 0) << "every interface the reading obtained is released";
        EXPECT_EQ(LiveHiddenOwnerWindows(), 0u) << "no hidden owner window outlives the reading";
    }

    DVDReadOutcome Read(TKxDVDInfo& dvd) {
        const auto installed = fake.Install();
        return ReadDVDVolume(kPath, dvd);
    }

    FakeDvd fake;
};

TEST_F(ReadDVDVolumeTest, RunsEveryStepInOrder) {
    TKxDVDInfo dvd;
    ASSERT_TRUE(Read(dvd).completed);

    std::vector<std::string> expected = {"CoCreateInstance",
                                         "GetFiltergraph",
                                         "RenderDvdVideoVolume",
                                         "GetDvdInterface IVideoWindow",
                                         "GetDvdInterface IDvdInfo2",
                                         "GetDvdInterface IDvdControl2",
                                         "put_Owner",
                                         "put_Visible false"};
    for (const std::string& call : VolumeQueries())
        expected.push_back(call);
    for (ULONG t = 1; t <= 2; ++t)
        for (const std::string& call : TitlePass(t))
            expected.push_back(call);
    EXPECT_EQ(fake.record->calls, expected);
    EXPECT_EQ(fake.record->renderedPaths, std::vector<std::string>{kPath});
    EXPECT_EQ(fake.record->discIdPath, kPath) << "the disc identifier is asked for the chosen .ifo itself";
    EXPECT_EQ(fake.record->decoderCapsSize, sizeof(DVD_DECODER_CAPS));
    EXPECT_NE(fake.record->owner, 0) << "the video window is owned by the hidden window";
    EXPECT_TRUE(fake.record->registeredWhileReading) << "the graph is in the running object table while read";
}

TEST_F(ReadDVDVolumeTest, StoresWhatTheNavigatorAnswers) {
    TKxDVDInfo dvd;
    ASSERT_TRUE(Read(dvd).completed);

    EXPECT_EQ(dvd.NumberOfVolumes, 2u);
    EXPECT_EQ(dvd.Volume, 1u);
    EXPECT_EQ(dvd.Side, DVD_SIDE_B);
    EXPECT_EQ(dvd.NumberOfTitles, 2u);
    EXPECT_EQ(dvd.DefaultMenuLanguage, 0x0419u);
    EXPECT_EQ(dvd.VMGAttributes.fCompatibleRegion[1], 1);
    EXPECT_EQ(dvd.SPRMs[0], 0x656E);
    EXPECT_EQ(dvd.GPRMs[15], 7);
    EXPECT_EQ(dvd.UOPs, 0x1234u);
    EXPECT_EQ(dvd.DiscID, 0x75D4B74F024ECEEAu);
    EXPECT_EQ(dvd.DecoderCaps.dwAudioCaps, DVD_AUDIO_CAPS_AC3);
    EXPECT_EQ(dvd.AudioStreamsAvailable, 3u);
    EXPECT_EQ(dvd.CurrentAudioStream, 1u);
    EXPECT_EQ(dvd.DefaultAudioLanguage, 0x0407u);
    EXPECT_EQ(dvd.DefaultAudioLanguageExt, DVD_AUD_EXT_Captions);
    EXPECT_EQ(dvd.SubpictureStreamsAvailable, 4u);
    EXPECT_EQ(dvd.CurrentSubpictureStream, 2u);
    EXPECT_EQ(dvd.DefaultSubpictureLanguage, 0x040Cu);
    EXPECT_EQ(dvd.DefaultSubpictureLanguageExt, DVD_SP_EXT_Forced);
    EXPECT_EQ(dvd.ParentalLevel, 0xFFFFFFFFu);
    EXPECT_EQ(dvd.CountryCode[0], 'D');
    EXPECT_EQ(dvd.CountryCode[1], 'E');

    ASSERT_EQ(dvd.Titles.Count(), 2);
    for (int32_t i = 0; i < 2; ++i) {
        const TKx_DVD_TitleInfo& title = dvd.Titles.Items(i);
        const uint32_t t = static_cast<uint32_t>(i) + 1;
        EXPECT_EQ(title.TitleAttributes.ulNumberOfAudioStreams, t) << "record i holds title i + 1";
        EXPECT_EQ(title.MenuAttributes.fAudioPresent, 1);
        EXPECT_EQ(title.NumberOfChapters, 10 + t);
        EXPECT_EQ(title.ParentalLevels, 0x100u);
        EXPECT_EQ(title.TotalTime.bHours, t) << "the time is taken while title t is played";
        EXPECT_EQ(title.TotalTime.bMinutes, 5);
        EXPECT_EQ(title.TotalTime.bSeconds, 3);
        EXPECT_EQ(title.TotalTime.bFrames, 12);
        EXPECT_EQ(title.TimeCodeFlags, DVD_TC_FLAG_25fps);
    }
}

TEST_F(ReadDVDVolumeTest, ZeroTitlesGiveAnEmptyListAndSuccess) {
    fake.setup.titles = 0;
    TKxDVDInfo dvd = EarlierReading(5);
    EXPECT_TRUE(Read(dvd).completed);
    EXPECT_EQ(dvd.Titles.Count(), 0);
    EXPECT_EQ(dvd.NumberOfTitles, 0u);
    EXPECT_THAT(fake.record->calls, Not(Contains("Run")));
}

TEST_F(ReadDVDVolumeTest, FailedVolumeInfoCountsAsNoTitles) {
    fake.setup.volumeInfoFails = true;
    TKxDVDInfo dvd = EarlierReading(5);
    EXPECT_TRUE(Read(dvd).completed);
    EXPECT_EQ(dvd.NumberOfTitles, 0u) << "never the previous volume's count";
    EXPECT_EQ(dvd.Titles.Count(), 0);
    EXPECT_THAT(fake.record->calls, Not(Contains("GetTitleAttributes 1")));
}

TEST_F(ReadDVDVolumeTest, MissingInformationOrControlInterfaceReadsNothingButSucceeds) {
    for (const bool info : {false, true}) {
        FakeDvd missing(FakeDvdSetup{.info = info, .control = !info});
        TKxDVDInfo dvd = EarlierReading(5);
        {
            const auto installed = missing.Install();
            EXPECT_TRUE(ReadDVDVolume(kPath, dvd).completed);
        }
        EXPECT_EQ(dvd.Titles.Count(), 0);
        EXPECT_EQ(dvd.NumberOfTitles, 5u) << "no query ran, so the fields are as they were";
        EXPECT_EQ(dvd.UOPs, 0xABCDu);
        EXPECT_THAT(missing.record->calls, Not(Contains("put_Owner")));
        EXPECT_THAT(missing.record->calls, Not(Contains("GetDVDVolumeInfo")));
        EXPECT_EQ(missing.record->liveObjects, 0);
    }
}

TEST_F(ReadDVDVolumeTest, NoBuilderStopsAfterEmptyingTheTitles) {
    fake.setup.builder = false;
    TKxDVDInfo dvd = EarlierReading(5);
    EXPECT_FALSE(Read(dvd).completed);
    EXPECT_EQ(dvd.Titles.Count(), 0);
    EXPECT_EQ(dvd.NumberOfTitles, 5u);
}

TEST_F(ReadDVDVolumeTest, NoFilterGraphStops) {
    fake.setup.graph = false;
    TKxDVDInfo dvd = EarlierReading(5);
    EXPECT_FALSE(Read(dvd).completed);
    EXPECT_EQ(dvd.Titles.Count(), 0);
    EXPECT_THAT(fake.record->calls, ElementsAre("CoCreateInstance", "GetFiltergraph"));
}

TEST_F(ReadDVDVolumeTest, NoVideoWindowStopsBeforeAnyQueryAndCleansUp) {
    fake.setup.videoWindow = false;
    TKxDVDInfo dvd = EarlierReading(5);
    EXPECT_FALSE(Read(dvd).completed);
    EXPECT_THAT(fake.record->calls, Not(Contains("GetDVDVolumeInfo")));
    EXPECT_EQ(dvd.NumberOfTitles, 5u);
    // TearDown checks that the hidden window went and that the registration released the graph.
}

TEST_F(ReadDVDVolumeTest, NoMediaControlDiscardsTheFirstTitleAndCleansUp) {
    fake.setup.mediaControl = false;
    TKxDVDInfo dvd;
    EXPECT_FALSE(Read(dvd).completed);
    EXPECT_EQ(dvd.Titles.Count(), 0) << "title 1's record is discarded";
    EXPECT_EQ(dvd.NumberOfTitles, 2u) << "the volume facts read before the stop stay";
    EXPECT_THAT(fake.record->calls,
                IsSupersetOf({"GetTitleAttributes 1", "GetTitleParentalLevels 1", "GetNumberOfChapters 1"}));
    EXPECT_THAT(fake.record->calls, Not(Contains("PlayTitle 1")));
}

TEST_F(ReadDVDVolumeTest, NoMediaControlIsHarmlessWithoutTitles) {
    fake.setup.mediaControl = false;
    fake.setup.titles = 0;
    TKxDVDInfo dvd;
    EXPECT_TRUE(Read(dvd).completed);
}

TEST_F(ReadDVDVolumeTest, AFailureInsideIsTurnedIntoFalse) {
    fake.setup.throwOnChapters = true;
    TKxDVDInfo dvd;
    bool result = true;
    EXPECT_NO_THROW(result = Read(dvd).completed);
    EXPECT_FALSE(result);
}

TEST_F(ReadDVDVolumeTest, SubpictureEnabledExactlyWhenTheDisabledFlagIsZero) {
    for (const BOOL flag : {0, 1, -1, 2}) {
        FakeDvd flagged(FakeDvdSetup{.subpictureDisabled = flag});
        TKxDVDInfo dvd;
        dvd.SubpictureEnabled = flag != 0;
        {
            const auto installed = flagged.Install();
            ASSERT_TRUE(ReadDVDVolume(kPath, dvd).completed);
        }
        EXPECT_EQ(dvd.SubpictureEnabled, flag == 0) << "flag " << flag;
    }
}

TEST_F(ReadDVDVolumeTest, AFailedSubpictureQueryLeavesSubpictureEnabledAsItWas) {
    fake.setup.subpictureFails = true;
    for (const bool before : {false, true}) {
        TKxDVDInfo dvd;
        dvd.SubpictureEnabled = before;
        ASSERT_TRUE(Read(dvd).completed);
        EXPECT_EQ(dvd.SubpictureEnabled, before);
    }
}

TEST_F(ReadDVDVolumeTest, ASecondReadingReplacesTheTitles) {
    TKxDVDInfo dvd;
    fake.setup.titles = 3;
    ASSERT_TRUE(Read(dvd).completed);
    ASSERT_EQ(dvd.Titles.Count(), 3);

    FakeDvd second(FakeDvdSetup{.titles = 1, .chaptersBase = 40});
    {
        const auto installed = second.Install();
        ASSERT_TRUE(ReadDVDVolume(kPath, dvd).completed);
    }
    ASSERT_EQ(dvd.Titles.Count(), 1);
    EXPECT_EQ(dvd.Titles.Items(0).NumberOfChapters, 41u) << "title 1 of the second volume at index 0";
    EXPECT_THROW(dvd.Titles.Items(1), std::out_of_range);
}

TEST_F(ReadDVDVolumeTest, TellsWhetherTheNavigatorTookThePathForAVolume) {
    TKxDVDInfo dvd;
    const DVDReadOutcome rendered = Read(dvd);
    EXPECT_TRUE(rendered.volumeRendered);

    fake.setup.renderFails = true;
    const DVDReadOutcome refused = Read(dvd);
    EXPECT_FALSE(refused.volumeRendered);
    EXPECT_TRUE(refused.completed) << "the reading goes on and asks the navigator regardless";
    EXPECT_EQ(dvd.Titles.Count(), 2);
}

}  // namespace
