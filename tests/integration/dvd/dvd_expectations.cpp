#include "tests/integration/dvd/dvd_expectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace lumora::testing {

namespace fs = std::filesystem;

namespace {

struct IfoVideo {
    unsigned mpegVersion;                          // 0 MPEG-1, 1 MPEG-2
    unsigned pictureSize;                          // 3: 352 wide, half the lines
    std::vector<std::string> subpictureLanguages;  // "xx" where the type is not "language"
};

// The title set's attributes in VTS_nn_0.IFO: video at 0x200, the subpicture count at 0x255 and
// six bytes per subpicture stream from 0x256 (type in the low two bits, then the language).
IfoVideo TitleSetVideo(const fs::path& videoTs, int titleSet) {
    char name[16];
    std::snprintf(name, sizeof name, "VTS_%02d_0.IFO", titleSet);
    const std::vector<uint8_t> ifo = ReadBytes(videoTs / name);
    IfoVideo video{
        static_cast<unsigned>(ifo.at(0x200) >> 6), static_cast<unsigned>((ifo.at(0x201) >> 2) & 3), {}};
    for (size_t k = 0; k < ifo.at(0x255); ++k) {
        const size_t at = 0x256 + 6 * k;
        const bool language = (ifo.at(at) & 3) == 1;
        video.subpictureLanguages.push_back(
            language ? std::string{static_cast<char>(ifo.at(at + 2)), static_cast<char>(ifo.at(at + 3))}
                     : "xx");
    }
    return video;
}

DVD_AUDIO_FORMAT ExpectedFormat(const LsdvdAudio& audio) {
    // lsdvd names the MPEG audio's DRC flag (quantization code 1) "20bit".
    const bool drc = audio.quantization == "20bit";
    if (audio.format == "ac3") return DVD_AudioFormat_AC3;
    if (audio.format == "mpeg1") return drc ? DVD_AudioFormat_MPEG1_DRC : DVD_AudioFormat_MPEG1;
    if (audio.format == "mpeg2ext") return drc ? DVD_AudioFormat_MPEG2_DRC : DVD_AudioFormat_MPEG2;
    if (audio.format == "lpcm") return DVD_AudioFormat_LPCM;
    if (audio.format == "dts") return DVD_AudioFormat_DTS;
    if (audio.format == "sdds") return DVD_AudioFormat_SDDS;
    return DVD_AudioFormat_Other;
}

const char* FormatName(DVD_AUDIO_FORMAT format) {
    switch (format) {
        case DVD_AudioFormat_AC3: return "AC3";
        case DVD_AudioFormat_MPEG1: return "MPEG1";
        case DVD_AudioFormat_MPEG1_DRC: return "MPEG1 DRC";
        case DVD_AudioFormat_MPEG2: return "MPEG2";
        case DVD_AudioFormat_MPEG2_DRC: return "MPEG2 DRC";
        case DVD_AudioFormat_LPCM: return "LPCM";
        case DVD_AudioFormat_DTS: return "DTS";
        case DVD_AudioFormat_SDDS: return "SDDS";
        default: return "[Неизвестный формат аудио]";
    }
}

// The navigator's structures are plain 32-bit fields without padding (their sizes are checked).
template <class T>
bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

int ExpectedHeight(const LsdvdTitle& expected, const IfoVideo& video) {
    // lsdvd prints the system's full height whatever the picture size.
    return video.pictureSize == 3 ? expected.height / 2 : expected.height;
}

}  // namespace

void ExpectTitleMatchesLsdvd(const LsdvdTitle& expected, const TKx_DVD_TitleInfo& title,
                             const fs::path& videoTs) {
    SCOPED_TRACE("title " + std::to_string(expected.number));
    EXPECT_EQ(title.TotalTime.bHours, expected.hours);
    EXPECT_EQ(title.TotalTime.bMinutes, expected.minutes);
    EXPECT_EQ(title.TotalTime.bSeconds, expected.seconds);
    EXPECT_EQ(title.TotalTime.bFrames, std::lround(expected.milliseconds * expected.fps / 1000.0));
    EXPECT_EQ(title.TimeCodeFlags, expected.fps == 25.0 ? DVD_TC_FLAG_25fps : DVD_TC_FLAG_30fps);
    EXPECT_EQ(title.NumberOfChapters, static_cast<uint32_t>(expected.chapters));

    const IfoVideo ifo = TitleSetVideo(videoTs, expected.titleSet);
    const DVD_VideoAttributes& video = title.TitleAttributes.VideoAttributes;
    EXPECT_EQ(video.Compression,
              ifo.mpegVersion == 0 ? DVD_VideoCompression_MPEG1 : DVD_VideoCompression_MPEG2);
    EXPECT_EQ(video.ulSourceResolutionX, static_cast<ULONG>(expected.width));
    EXPECT_EQ(video.ulSourceResolutionY, static_cast<ULONG>(ExpectedHeight(expected, ifo)));
    EXPECT_EQ(video.ulFrameHeight, expected.format == "PAL" ? 576u : 480u);
    EXPECT_EQ(video.ulFrameRate, expected.format == "PAL" ? 50u : 60u);
    EXPECT_EQ(std::to_string(video.ulAspectX) + "/" + std::to_string(video.ulAspectY), expected.aspect);

    ASSERT_EQ(title.TitleAttributes.ulNumberOfAudioStreams, expected.audio.size());
    for (size_t k = 0; k < expected.audio.size(); ++k) {
        const DVD_AudioAttributes& audio = title.TitleAttributes.AudioAttributes[k];
        EXPECT_EQ(audio.AudioFormat, ExpectedFormat(expected.audio[k])) << "audio " << k;
        EXPECT_EQ(audio.bNumberOfChannels, expected.audio[k].channels) << "audio " << k;
        EXPECT_EQ(audio.dwFrequency, static_cast<DWORD>(expected.audio[k].frequency)) << "audio " << k;
        EXPECT_EQ(audio.Language, ExpectedLocale(expected.audio[k].language)) << "audio " << k;
    }
    ASSERT_EQ(title.TitleAttributes.ulNumberOfSubpictureStreams, ifo.subpictureLanguages.size());
    for (size_t k = 0; k < ifo.subpictureLanguages.size(); ++k)
        EXPECT_EQ(title.TitleAttributes.SubpictureAttributes[k].Language,
                  ExpectedLocale(ifo.subpictureLanguages[k]))
            << "subpicture " << k;
    for (const auto& [number, language] : expected.subtitles) {
        ASSERT_LE(static_cast<size_t>(number), ifo.subpictureLanguages.size());
        EXPECT_EQ(title.TitleAttributes.SubpictureAttributes[number - 1].Language, ExpectedLocale(language))
            << "subpicture " << number << " as lsdvd lists it";
    }
}

void ExpectSameReading(const TKxDVDInfo& expected, const TKxDVDInfo& actual) {
    EXPECT_EQ(actual.NumberOfVolumes, expected.NumberOfVolumes);
    EXPECT_EQ(actual.Volume, expected.Volume);
    EXPECT_EQ(actual.Side, expected.Side);
    EXPECT_EQ(actual.NumberOfTitles, expected.NumberOfTitles);
    EXPECT_TRUE(SameBytes(actual.VMGAttributes, expected.VMGAttributes)) << "the video manager's menu";
    EXPECT_EQ(actual.UOPs, expected.UOPs);
    EXPECT_EQ(actual.AudioStreamsAvailable, expected.AudioStreamsAvailable);
    EXPECT_EQ(actual.SubpictureStreamsAvailable, expected.SubpictureStreamsAvailable);
    EXPECT_TRUE(SameBytes(actual.SPRMs, expected.SPRMs));
    EXPECT_TRUE(SameBytes(actual.DecoderCaps, expected.DecoderCaps));
    ASSERT_EQ(actual.Titles.Count(), expected.Titles.Count());
    for (int32_t i = 0; i < expected.Titles.Count(); ++i) {
        SCOPED_TRACE("title " + std::to_string(i + 1));
        const TKx_DVD_TitleInfo& want = expected.Titles.Items(i);
        const TKx_DVD_TitleInfo& got = actual.Titles.Items(i);
        EXPECT_EQ(got.NumberOfChapters, want.NumberOfChapters);
        EXPECT_EQ(got.ParentalLevels, want.ParentalLevels);
        EXPECT_TRUE(SameBytes(got.TotalTime, want.TotalTime));
        EXPECT_EQ(got.TimeCodeFlags, want.TimeCodeFlags);
        EXPECT_TRUE(SameBytes(got.MenuAttributes, want.MenuAttributes)) << "menu attributes";
        EXPECT_TRUE(SameBytes(got.TitleAttributes, want.TitleAttributes)) << "title attributes";
    }
}

std::string ExpectedDvdOutput(const std::vector<LsdvdTitle>& titles, const fs::path& videoTs) {
    std::string out;
    for (const LsdvdTitle& title : titles) {
        const IfoVideo ifo = TitleSetVideo(videoTs, title.titleSet);
        std::string aspect = title.aspect;  // lsdvd writes "16/9"
        std::replace(aspect.begin(), aspect.end(), '/', ':');
        out += "Глава " + std::to_string(title.number) + "  [" + std::to_string(title.hours) + ":" +
               std::to_string(title.minutes) + ":" + std::to_string(title.seconds) + "]\n";
        out += std::string("  Видео: ") + (ifo.mpegVersion == 0 ? "MPEG1 " : "MPEG2 ") +
               std::to_string(title.width) + "x" + std::to_string(ExpectedHeight(title, ifo)) + " " + aspect +
               " \n";
        for (const LsdvdAudio& audio : title.audio)
            out += std::string("  Аудиопотоки: ") + FormatName(ExpectedFormat(audio)) + " - " +
                   std::to_string(audio.channels) + " канала(ов) - " + ExpectedLanguageName(audio.language) +
                   "\n";
        for (const std::string& language : ifo.subpictureLanguages)
            out += "  Субтитры: " + ExpectedLanguageName(language) + "\n";
    }
    return out;
}

}  // namespace lumora::testing
