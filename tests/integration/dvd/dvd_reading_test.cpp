// The DVD reader over the real navigator, on volumes authored at test time, checked against lsdvd
// and the IFO bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "dvd/read_dvd_volume.h"
#include "platform/hidden_window.h"
#include "tests/integration/dvd/authored_volumes.h"
#include "tests/integration/dvd/dvd_expectations.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::testing;

class DvdVolumes : public AuthoredVolumes {
protected:
    void TearDown() override { EXPECT_EQ(LiveHiddenOwnerWindows(), 0u); }
};

class AuthoredVolume : public DvdVolumes, public ::testing::WithParamInterface<std::string> {};

TEST_P(AuthoredVolume, TitlesMatchLsdvd) {
    const fs::path volume = Volume(GetParam());
    const std::vector<LsdvdTitle> expected = Lsdvd(volume);
    ASSERT_FALSE(expected.empty()) << "lsdvd reported no titles";
    TKxLumora lumora;
    const TKxDVDInfo& dvd = Read(lumora, volume / "VIDEO_TS/VIDEO_TS.IFO");
    EXPECT_EQ(dvd.NumberOfTitles, expected.size());
    ASSERT_EQ(static_cast<size_t>(dvd.Titles.Count()), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ExpectTitleMatchesLsdvd(expected[i], dvd.Titles.Items(static_cast<int32_t>(i)), volume / "VIDEO_TS");
}

TEST_P(AuthoredVolume, LumoraInfoPrintsThePageLines) {
    const fs::path volume = Volume(GetParam());
    const ProgramRun result = InfoDvd(volume);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "") << "nothing but the lines: libdvdread's notes are silenced";
    EXPECT_EQ(result.out, ExpectedDvdOutput(Lsdvd(volume), volume / "VIDEO_TS"));
}

INSTANTIATE_TEST_SUITE_P(Dvd, AuthoredVolume, ::testing::Values("pal_mixed", "ntsc_mixed", "pal_silent"));

// Guards the test volumes themselves: they must keep covering what the tests are meant to see.
TEST_F(DvdVolumes, TheVolumesCoverTheirCases) {
    std::set<std::string> seen;
    for (const char* name : {"pal_mixed", "ntsc_mixed", "pal_silent"}) {
        const std::vector<LsdvdTitle> titles = Lsdvd(Volume(name));
        std::set<int> titleSets;
        for (const LsdvdTitle& title : titles) {
            titleSets.insert(title.titleSet);
            seen.insert(title.format);
            seen.insert(title.aspect);
            if (title.chapters > 1) seen.insert("chapters");
            if (title.audio.empty() && title.subtitles.empty()) seen.insert("silent title");
            for (const LsdvdAudio& audio : title.audio) {
                seen.insert(audio.format + "/" + std::to_string(audio.channels));
                seen.insert(audio.language == "xx" ? "audio language unset" : "audio language set");
            }
            for (const auto& subtitle : title.subtitles)
                seen.insert(subtitle.second == "xx" ? "subpicture language unset"
                                                    : "subpicture language set");
            const std::vector<uint8_t> ifo =
                ReadBytes(Volume(name) / "VIDEO_TS" / ("VTS_0" + std::to_string(title.titleSet) + "_0.IFO"));
            seen.insert(ifo.at(0x200) >> 6 == 0 ? "MPEG-1 video" : "MPEG-2 video");
        }
        if (titleSets.size() > 1) seen.insert("several title sets");
        if (titles.size() > titleSets.size()) seen.insert("several titles in a set");
    }
    for (const char* wanted : {"PAL", "NTSC", "4/3", "16/9", "MPEG-1 video", "MPEG-2 video", "ac3/6", "ac3/2",
                               "mpeg1/2", "lpcm/2", "audio language set", "audio language unset",
                               "subpicture language set", "subpicture language unset", "several title sets",
                               "several titles in a set", "chapters", "silent title"})
        EXPECT_TRUE(seen.count(wanted)) << wanted;
}

TEST_F(DvdVolumes, VolumeFactsComeFromTheVideoManagerAndTheLocale) {
    const fs::path volume = Volume("pal_mixed");
    const std::vector<uint8_t> vmg = ReadBytes(volume / "VIDEO_TS/VIDEO_TS.IFO");
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved ? saved : "";
    setenv("LC_ALL", "ru_RU.UTF-8", 1);
    TKxLumora lumora;
    const TKxDVDInfo& dvd = Read(lumora, volume / "VIDEO_TS/VTS_01_0.IFO");
    if (saved)
        setenv("LC_ALL", savedValue.c_str(), 1);
    else
        unsetenv("LC_ALL");

    EXPECT_EQ(dvd.NumberOfVolumes, BigEndian(vmg, 0x26, 2));
    EXPECT_EQ(dvd.Volume, BigEndian(vmg, 0x28, 2));
    EXPECT_EQ(dvd.Side, vmg.at(0x2A) == 2 ? DVD_SIDE_B : DVD_SIDE_A);
    const uint32_t category = BigEndian(vmg, 0x22, 4);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(dvd.VMGAttributes.fCompatibleRegion[i] != 0, ((category >> (16 + i)) & 1) != 0)
            << "region " << i;
    const uint32_t firstPlay = BigEndian(vmg, 0x84, 4);
    EXPECT_EQ(dvd.UOPs, firstPlay ? BigEndian(vmg, firstPlay + 8, 4) : 0u)
        << "the first-play chain's prohibitions";
    EXPECT_EQ(dvd.AudioStreamsAvailable, vmg.at(0x103)) << "the menu's streams before playback";
    EXPECT_EQ(dvd.SubpictureStreamsAvailable, vmg.at(0x155));
    EXPECT_EQ(dvd.CurrentAudioStream, 0u);
    EXPECT_FALSE(dvd.SubpictureEnabled);
    EXPECT_EQ(dvd.ParentalLevel, 0xFFFFFFFFu);

    EXPECT_EQ(dvd.DefaultMenuLanguage, 0x0419u);
    EXPECT_EQ(dvd.DefaultAudioLanguage, 0x0419u);
    EXPECT_EQ(dvd.DefaultSubpictureLanguage, 0x0419u);
    EXPECT_EQ(dvd.DefaultAudioLanguageExt, DVD_AUD_EXT_NotSpecified);
    EXPECT_EQ(dvd.CountryCode[0], 'R');
    EXPECT_EQ(dvd.CountryCode[1], 'U');
    EXPECT_EQ(dvd.SPRMs[0], 'r' << 8 | 'u');
    EXPECT_EQ(dvd.SPRMs[12], 'R' << 8 | 'U');

    const std::string decoders = RunProgram("ffmpeg -hide_banner -decoders").out;
    const auto has = [&](const char* name) {
        return decoders.find(std::string(" ") + name + " ") != std::string::npos;
    };
    DWORD caps = 0;
    if (has("ac3")) caps |= DVD_AUDIO_CAPS_AC3;
    if (has("mp2")) caps |= DVD_AUDIO_CAPS_MPEG2;
    if (has("pcm_dvd")) caps |= DVD_AUDIO_CAPS_LPCM;
    if (has("dca")) caps |= DVD_AUDIO_CAPS_DTS;
    EXPECT_EQ(dvd.DecoderCaps.dwAudioCaps, caps);
    EXPECT_EQ(dvd.DecoderCaps.dwSize, sizeof(DVD_DECODER_CAPS));
}

TEST_F(DvdVolumes, DiscIdIsTheVolumesWhicheverFileIsChosen) {
    TKxLumora lumora;
    const uint64_t id = Read(lumora, Volume("pal_mixed") / "VIDEO_TS/VIDEO_TS.IFO").DiscID;
    EXPECT_NE(id, 0u);
    EXPECT_EQ(Read(lumora, Volume("pal_mixed") / "VIDEO_TS/VTS_03_0.IFO").DiscID, id);
    EXPECT_EQ(Read(lumora, Volume("pal_mixed") / "VIDEO_TS/VIDEO_TS.BUP").DiscID, id);
    EXPECT_NE(Read(lumora, Volume("ntsc_mixed") / "VIDEO_TS/VIDEO_TS.IFO").DiscID, id);

    VolumeCopy copy(Volume("pal_mixed"), "touched");
    const uint64_t copied = Read(lumora, copy.VideoTs() / "VIDEO_TS.IFO").DiscID;
    EXPECT_EQ(Read(lumora, copy.VideoTs() / "VIDEO_TS.IFO").DiscID, copied) << "stable between readings";
    fs::last_write_time(copy.VideoTs() / "VTS_02_1.VOB",
                        fs::file_time_type::clock::now() - std::chrono::hours(48));
    EXPECT_NE(Read(lumora, copy.VideoTs() / "VIDEO_TS.IFO").DiscID, copied) << "a file's time is part of it";
}

TEST_F(DvdVolumes, HoursMinutesSecondsAndFramesOfALongTitle) {
    VolumeCopy copy(Volume("pal_mixed"), "long");
    // Title 1 is the first program chain of title set 1: its playback time becomes 1:05:03, frame 12.
    std::vector<uint8_t> ifo = ReadBytes(copy.VideoTs() / "VTS_01_0.IFO");
    const size_t table = BigEndian(ifo, 0xCC, 4) * 2048;
    const size_t chain = table + BigEndian(ifo, table + 8 + 4, 4);
    ifo.at(chain + 4) = 0x01;
    ifo.at(chain + 5) = 0x05;
    ifo.at(chain + 6) = 0x03;
    ifo.at(chain + 7) = 0x40 | 0x12;
    WriteBytes(copy.VideoTs() / "VTS_01_0.IFO", ifo);

    const std::vector<LsdvdTitle> expected = Lsdvd(copy.Root());
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(expected[0].hours, 1) << "lsdvd sees the patched time";
    TKxLumora lumora;
    const TKxDVDInfo& dvd = Read(lumora, copy.VideoTs() / "VIDEO_TS.IFO");
    ASSERT_EQ(dvd.Titles.Count(), 4);
    ExpectTitleMatchesLsdvd(expected[0], dvd.Titles.Items(0), copy.VideoTs());
    EXPECT_EQ(InfoDvd(copy.Root()).out.substr(0, 22), "Глава 1  [1:5:3]\n");
}

TEST_F(DvdVolumes, ABrokenTitleSetLeavesTheOtherTitlesIntact) {
    VolumeCopy copy(Volume("pal_mixed"), "broken");
    fs::remove(copy.VideoTs() / "VTS_02_0.IFO");
    fs::remove(copy.VideoTs() / "VTS_02_0.BUP");
    std::vector<uint8_t> truncated = ReadBytes(copy.VideoTs() / "VTS_03_0.IFO");
    truncated.resize(700);
    WriteBytes(copy.VideoTs() / "VTS_03_0.IFO", truncated);
    fs::remove(copy.VideoTs() / "VTS_03_0.BUP");

    const std::vector<LsdvdTitle> intact = Lsdvd(Volume("pal_mixed"));
    TKxLumora lumora;
    const TKxDVDInfo& dvd = Read(lumora, copy.VideoTs() / "VIDEO_TS.IFO");
    ASSERT_EQ(dvd.Titles.Count(), 4) << "a broken title still has its record";
    ExpectTitleMatchesLsdvd(intact[0], dvd.Titles.Items(0), Volume("pal_mixed") / "VIDEO_TS");
    ExpectTitleMatchesLsdvd(intact[1], dvd.Titles.Items(1), Volume("pal_mixed") / "VIDEO_TS");
    for (const int32_t broken : {2, 3}) {
        const TKx_DVD_TitleInfo& title = dvd.Titles.Items(broken);
        EXPECT_EQ(title.NumberOfChapters, 0u) << "its queries failed, so its fields stay zero";
        EXPECT_EQ(title.TotalTime.bSeconds, 0);
        EXPECT_EQ(title.TitleAttributes.ulNumberOfAudioStreams, 0u);
    }
}

TEST_F(DvdVolumes, TheBackupIfoStandsInForAnUnreadableOne) {
    VolumeCopy copy(Volume("ntsc_mixed"), "backup");
    WriteBytes(copy.VideoTs() / "VIDEO_TS.IFO", std::vector<uint8_t>(2048, 0));
    fs::remove(copy.VideoTs() / "VTS_01_0.IFO");
    const std::string expected =
        ExpectedDvdOutput(Lsdvd(Volume("ntsc_mixed")), Volume("ntsc_mixed") / "VIDEO_TS");
    EXPECT_EQ(InfoDvd(copy.Root()).out, expected);
}

TEST_F(DvdVolumes, ASecondVolumeReplacesTheFirstsTitles) {
    TKxLumora lumora;
    ASSERT_EQ(Read(lumora, Volume("pal_mixed") / "VIDEO_TS/VIDEO_TS.IFO").Titles.Count(), 4);
    const TKxDVDInfo& dvd = Read(lumora, Volume("pal_silent") / "VIDEO_TS/VIDEO_TS.IFO");
    ASSERT_EQ(dvd.Titles.Count(), 1);
    EXPECT_EQ(dvd.NumberOfTitles, 1u);
    EXPECT_EQ(dvd.Titles.Items(0).TitleAttributes.ulNumberOfAudioStreams, 0u);
}

TEST_F(DvdVolumes, WhatIsNoVolumeGivesNoTitles) {
    VolumeCopy copy(Volume("pal_silent"), "bad");
    fs::create_directories(copy.Root() / "loose");
    fs::copy_file(copy.VideoTs() / "VIDEO_TS.IFO", copy.Root() / "loose/VIDEO_TS.IFO");
    fs::create_directories(copy.Root() / "text/VIDEO_TS");
    WriteBytes(copy.Root() / "text/VIDEO_TS/VIDEO_TS.IFO", {'n', 'o', 't', ' ', 'a', ' ', 'D', 'V', 'D'});
    fs::create_directories(copy.Root() / "empty/VIDEO_TS");
    fs::create_directories(copy.Root() / "zeros/VIDEO_TS");
    WriteBytes(copy.Root() / "zeros/VIDEO_TS/VIDEO_TS.IFO", std::vector<uint8_t>(8192, 0));
    WriteBytes(copy.Root() / "zeros/VIDEO_TS/VIDEO_TS.BUP", std::vector<uint8_t>(8192, 0));

    for (const fs::path& path :
         {copy.Root() / "loose/VIDEO_TS.IFO", copy.Root() / "text/VIDEO_TS/VIDEO_TS.IFO",
          copy.Root() / "empty", copy.Root() / "zeros/VIDEO_TS/VIDEO_TS.IFO", copy.VideoTs() / "VTS_01_1.VOB",
          copy.Root() / "missing.ifo"})
        ExpectNoVolume(path);
}

}  // namespace
