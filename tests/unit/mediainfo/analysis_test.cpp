#include <gtest/gtest.h>

#include <cerrno>

#include "mediainfo/analyse_media_file.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

class Analysis : public ::testing::Test {
protected:
    // Analyses an existing file with the scripted detector installed, from empty results. A
    // failure thrown by the detector passes through the analysis, leaving what was written.
    void Analyse(const std::string& name = "clip.avi") { AnalysePath(dir.File(name)); }
    void AnalysePath(const std::string& path) {
        ScopedFakeMediaDetector detector(script);
        results = {};
        try {
            AnalyseMediaFile(path, separator, results);
        } catch (const std::runtime_error&) {
        }
    }

    TempDir dir;
    FakeMediaScript script;
    std::string separator = ".";
    MediaFileResults results;
};

TEST_F(Analysis, MissingFileOrFolderIsMarkedWithoutAskingTheDetector) {
    for (const auto& [path, error] :
         {std::pair{(dir.Path() / "gone.avi").string(), ENOENT}, std::pair{dir.Path().string(), EISDIR}}) {
        results = {};
        AnalysePath(path);
        EXPECT_EQ(results.VideoMajorType, "FILE NOT FOUND") << path;
        EXPECT_EQ(results.FileFormat, "") << path;
        EXPECT_EQ(results.FailureResult, HResultFromErrno(error)) << path;
    }
    EXPECT_TRUE(script.calls.empty());
}

TEST_F(Analysis, DetectorThatCannotBeCreatedLeavesOnlyTheContainerName) {
    script.createResult = REGDB_E_CLASSNOTREG;
    Analyse("clip.MPG");
    EXPECT_EQ(results.FileFormat, "MPEG 1/2");
    EXPECT_EQ(results.VideoMajorType, "");
}

TEST_F(Analysis, RefusedFileIsMarkedAsErrorWithTheDetectorsReason) {
    script.openResult = VFW_E_UNSUPPORTED_STREAM;
    script.failureDetail = "hls";
    Analyse("movie.mkv");
    EXPECT_EQ(results.VideoMajorType, "ERROR");
    EXPECT_EQ(results.FileFormat, "Matroska");
    EXPECT_EQ(results.FailureResult, VFW_E_UNSUPPORTED_STREAM);
    EXPECT_EQ(results.FailureDetail, "hls");
    EXPECT_EQ(script.liveDetectors, 0) << "the detector is released on every path";
}

TEST_F(Analysis, NoStreamsOrUnreadableCountEndsAfterTheContainerName) {
    script.streams = {WaveStream(1, 2, 44100, 16)};
    for (auto [result, count] : {std::pair{E_FAIL, -1}, std::pair{S_OK, 0}, std::pair{S_OK, -3}}) {
        script.countResult = result;
        script.countOverride = count;
        script.calls.clear();
        Analyse();
        EXPECT_EQ(results.FileFormat, "AVI");
        EXPECT_EQ(results.AudioStreams.size(), 0u);
        EXPECT_EQ(script.calls.back(), "get_OutputStreams");
    }
}

TEST_F(Analysis, StreamsThatCannotBeSelectedOrTypedAreSkipped) {
    script.streams = {WaveStream(1, 1, 8000, 8), WaveStream(0x55, 2, 44100, 0),
                      WaveStream(0x2000, 6, 48000, 0)};
    script.streams[0].selectResult = E_FAIL;
    script.streams[1].mediaTypeResult = E_FAIL;
    Analyse();
    ASSERT_EQ(results.AudioStreams.size(), 1u);
    EXPECT_EQ(results.AudioStreams.at(0).Codec, "Dolby AC3 / FAST Multimedia AG DVM");
}

TEST_F(Analysis, EveryMediaTypeAndTheDetectorAreReleased) {
    script.streams = {VideoInfoStream(640, 480, MakeFourCC('D', 'I', 'V', 'X')), WaveStream(1, 2, 44100, 16)};
    Analyse();
    EXPECT_EQ(script.liveMediaTypeObjects, 0);
    EXPECT_EQ(script.liveDetectors, 0);
}

TEST_F(Analysis, FieldsAreWrittenInTheOrderOfTheirFormat) {
    // A failure at the frame-rate query shows which fields each format writes before it.
    auto failingAtRate = [](FakeStream stream) {
        stream.throwOnRate = true;
        return stream;
    };
    const DWORD xvid = MakeFourCC('X', 'V', 'I', 'D');
    script.streams = {failingAtRate(VideoInfoStream(640, 480, xvid, 1000))};
    Analyse();
    EXPECT_EQ(results.Video.Width, 640);
    EXPECT_EQ(results.Video.FourCC, "") << "written after the frame rate";

    script.streams = {failingAtRate(VideoInfo2Stream(640, 480, xvid, 4, 3, 1000))};
    Analyse();
    EXPECT_EQ(results.Video.Height, 480);
    EXPECT_EQ(results.Video.Codec, "");

    for (FakeStream mpeg : {Mpeg1Stream(352, 288, xvid, 1000), Mpeg2Stream(720, 576, xvid, 1000)}) {
        script.streams = {failingAtRate(mpeg)};
        Analyse();
        EXPECT_EQ(results.Video.Codec, "XVID") << "written before the frame rate";
        EXPECT_EQ(results.Video.BitRate, 0);
    }

    FakeStream mpeg1 = Mpeg1Stream(352, 288, xvid, 1000);
    mpeg1.length = 4;
    mpeg1.rate = 25;
    script.streams = {mpeg1};
    Analyse();
    EXPECT_EQ(results.Video.FrameCount, 100);
    EXPECT_EQ(results.Video.BitRate, 1000);
    EXPECT_EQ(script.calls[script.calls.size() - 2], "get_StreamLength");
    EXPECT_EQ(script.calls.back(), "get_FrameRate");
}

TEST_F(Analysis, VideoInfoFillsTheVideoRecord) {
    FakeStream stream = VideoInfoStream(640, 480, MakeFourCC('X', 'V', 'I', 'D'), 1500000);
    stream.length = 59.9;
    stream.rate = 25;
    script.streams = {stream};
    Analyse();
    const TKxVideoStreamInfo& video = results.Video;
    EXPECT_EQ(video.Duration, "00:59");
    EXPECT_EQ(video.DurationMS, "59900");
    EXPECT_EQ(video.Width, 640);
    EXPECT_EQ(video.Height, 480);
    EXPECT_EQ(video.FourCC, "XVID");
    EXPECT_EQ(video.Codec, "XVID MPEG-4");
    EXPECT_EQ(video.FrameRate, 25);
    EXPECT_EQ(video.FrameCount, 1498);  // 59.9 × 25 = 1497.5, ties to even
    EXPECT_EQ(video.BitRate, 1500000);
    EXPECT_EQ(video.AspectRatio, "4:3");
    EXPECT_EQ(video.AspectX, 4);
    EXPECT_EQ(video.AspectY, 3);
    EXPECT_NEAR(video.Aspect, 4.0 / 3.0, 1e-12);
    EXPECT_EQ(results.VideoMajorType, "Video");
    EXPECT_EQ(results.VideoSubType, "") << "XVID is no listed subtype";
    EXPECT_EQ(results.OtherSubType, "UnKnown ");
}

TEST_F(Analysis, FrameCountRoundsHalfToEven) {
    FakeStream stream = VideoInfoStream(320, 240, 0);
    stream.length = 2.5;
    stream.rate = 1;
    script.streams = {stream};
    Analyse();
    EXPECT_EQ(results.Video.FrameCount, 2);
}

TEST_F(Analysis, RatioClassNamesCommonShapesAndWritesOthersAsNumbers) {
    struct Case {
        LONG width, height;
        const char* text;
        int x, y;
    };
    separator = ",";
    for (const Case& c :
         {Case{1920, 1080, "16:9", 16, 9}, Case{720, 576, "1,25", -1, -1}, Case{352, 288, "1,2222", -1, -1},
          Case{854, 480, "16:9", 16, 9}, Case{1000, 750, "4:3", 4, 3}, Case{1, 100000, "1E-005", -1, -1}}) {
        script.streams = {VideoInfoStream(c.width, c.height, 0)};
        Analyse();
        EXPECT_EQ(results.Video.AspectRatio, c.text) << c.width << "x" << c.height;
        EXPECT_EQ(results.Video.AspectX, c.x);
        EXPECT_EQ(results.Video.AspectY, c.y);
        EXPECT_DOUBLE_EQ(results.Video.Aspect, static_cast<double>(c.width) / c.height);
    }
}

TEST_F(Analysis, ZeroPictureHeightNamesNoShapeAndTheAnalysisGoesOn) {
    for (FakeStream first : {VideoInfoStream(640, 0, 0), Mpeg1Stream(640, 0, 0)}) {
        script.streams = {first, WaveStream(1, 2, 44100, 16)};
        Analyse();
        EXPECT_EQ(results.Video.AspectRatio, "");
        EXPECT_EQ(results.Video.AspectX, -1);
        EXPECT_EQ(results.Video.AspectY, -1);
        EXPECT_EQ(results.Video.Aspect, 0);
        EXPECT_EQ(results.Video.Width, 640);
        EXPECT_EQ(results.AudioStreams.size(), 1u) << "later streams are still described";
    }
}

TEST_F(Analysis, VideoInfo2TakesTheHeadersOwnAspect) {
    script.streams = {VideoInfo2Stream(720, 576, MakeFourCC('H', '2', '6', '4'), 16, 9, 800000)};
    Analyse();
    EXPECT_EQ(results.Video.AspectRatio, "16:9");
    EXPECT_EQ(results.Video.AspectX, 16);
    EXPECT_NEAR(results.Video.Aspect, 16.0 / 9.0, 1e-12);
    EXPECT_EQ(results.Video.Codec, "Intel ITU H.264");
    EXPECT_EQ(results.Video.BitRate, 800000);

    script.streams = {VideoInfo2Stream(720, 576, 0, 4, 0)};
    Analyse();
    EXPECT_EQ(results.Video.AspectRatio, "4:0");
    EXPECT_EQ(results.Video.Aspect, 0);

    script.streams = {VideoInfo2Stream(720, 576, 0, 0xFFFFFFFF, 3)};
    Analyse();
    EXPECT_EQ(results.Video.AspectRatio, "4294967295:3") << "written unsigned";

    // An MPEG2VIDEOINFO starts with a VIDEOINFOHEADER2: a 16:9 DVD picture is no "1.25".
    script.streams = {Mpeg2Stream(720, 576, 0, 0, 16, 9)};
    Analyse();
    EXPECT_EQ(results.Video.AspectRatio, "16:9");
    EXPECT_EQ(results.Video.AspectX, 16);
    script.streams = {Mpeg2Stream(640, 0, 0)};
    Analyse();
    EXPECT_EQ(results.Video.AspectRatio, "0:0") << "the header's, even when empty";
}

TEST_F(Analysis, MpegFormatsNameTheCompressionAsCodecAndLeaveFourCC) {
    script.streams = {Mpeg2Stream(720, 576, 0, 6000000)};
    Analyse();
    EXPECT_EQ(results.Video.Codec, "RGB");
    EXPECT_EQ(results.Video.FourCC, "");
    EXPECT_EQ(results.Video.BitRate, 6000000);
    EXPECT_EQ(results.VideoSubType, "MPEG2 VIDEO");

    script.streams = {Mpeg1Stream(352, 288, MakeFourCC('m', 'p', 'g', '1'))};
    Analyse();
    EXPECT_EQ(results.Video.Codec, "mpg1");
    EXPECT_EQ(results.VideoSubType, "MPEG1Payload");
}

TEST_F(Analysis, TwoVideoStreamsOverwriteFieldByField) {
    FakeStream first = VideoInfoStream(640, 480, MakeFourCC('D', 'I', 'V', '3'), 100);
    first.rate = 25;
    first.length = 10;
    FakeStream second = Mpeg2Stream(1920, 1080, MakeFourCC('m', 'p', 'g', '2'), 200, 16, 9);
    second.rate = 50;
    second.lengthResult = E_FAIL;
    script.streams = {first, second};
    Analyse();
    const TKxVideoStreamInfo& video = results.Video;
    EXPECT_EQ(video.Width, 1920);
    EXPECT_EQ(video.Codec, "mpg2");
    EXPECT_EQ(video.BitRate, 200);
    EXPECT_EQ(video.AspectRatio, "16:9");
    EXPECT_EQ(video.FourCC, "DIV3") << "only the first stream writes FourCC";
    EXPECT_EQ(video.Duration, "00:10") << "the second stream's length failed";
    EXPECT_EQ(video.FrameCount, 0) << "the second stream's own length counts, not the first's";
}

TEST_F(Analysis, FailedQueriesWriteNothingAndCountWithZero) {
    FakeStream stream = VideoInfoStream(640, 480, 0);
    stream.lengthResult = E_FAIL;
    stream.rateResult = E_FAIL;
    script.streams = {stream};
    Analyse();
    EXPECT_EQ(results.Video.Duration, "");
    EXPECT_EQ(results.Video.DurationMS, "");
    EXPECT_EQ(results.Video.FrameRate, 0);
    EXPECT_EQ(results.Video.FrameCount, 0);
    EXPECT_EQ(results.Video.Codec, "Full Frames (Uncompressed)");
}

TEST_F(Analysis, VideoWithoutUsableBlockRecordsOnlyItsLength) {
    FakeStream empty = VideoInfoStream(640, 480, 0);
    empty.block.clear();
    empty.length = 61;
    FakeStream shortBlock = VideoInfo2Stream(640, 480, 0, 4, 3);
    shortBlock.block.resize(sizeof(VIDEOINFOHEADER2) - 1);
    for (const FakeStream& stream : {empty, shortBlock}) {
        script.streams = {stream};
        Analyse();
        EXPECT_EQ(results.Video.Width, 0);
        EXPECT_EQ(results.Video.AspectRatio, "");
    }
    script.streams = {empty};
    Analyse();
    EXPECT_EQ(results.Video.Duration, "01:01");
    EXPECT_EQ(results.Video.DurationMS, "61000");
}

TEST_F(Analysis, FormatBlockKindDecidesTheDescriptionNotTheMajorType) {
    FakeStream audioWithVideoBlock = VideoInfoStream(320, 240, 0);
    audioWithVideoBlock.majortype = MEDIATYPE_Audio;
    FakeStream ac3 = WaveStream(0x2000, 6, 48000, 0);
    ac3.formattype = FORMAT_DolbyAC3;
    script.streams = {audioWithVideoBlock, ac3};
    Analyse();
    EXPECT_EQ(results.Video.Width, 320);
    EXPECT_EQ(results.Video.FormatName, "DolbyAC3");
    EXPECT_EQ(results.AudioStreams.size(), 0u);

    FakeStream strange = WaveStream(1, 1, 8000, 8);
    strange.formattype = MakeGuid("{12345678-0000-0000-0000-000000000000}");
    script.streams = {strange};
    Analyse();
    EXPECT_EQ(results.Video.FormatName, "Unknown");
}

TEST_F(Analysis, TypeNamesGoToTheirProperties) {
    FakeStream yuy2 = VideoInfoStream(320, 240, MakeFourCC('Y', 'U', 'Y', '2'));
    FakeStream analog = WaveStream(1, 2, 44100, 16);
    analog.majortype = MEDIATYPE_AnalogVideo;
    analog.subtype = MEDIASUBTYPE_PCM;
    script.streams = {yuy2, analog};
    Analyse();
    EXPECT_EQ(results.VideoMajorType, "Video");
    EXPECT_EQ(results.VideoSubType, "YUY2");
    EXPECT_EQ(results.AudioMajorType, "Analogvideo");
    EXPECT_EQ(results.AudioSubType, "PCM");
    EXPECT_EQ(results.OtherMajorType, "");
    EXPECT_EQ(results.OtherSubType, "");

    FakeStream mp3 = WaveStream(0x55, 2, 44100, 0);
    mp3.subtype = FourCCGuid(0x55);
    FakeStream text = mp3;
    text.majortype = MakeGuid("{E487EB08-6B26-4BE9-9DD3-993434D313FD}");
    script.streams = {mp3, text};
    Analyse();
    EXPECT_EQ(results.AudioMajorType, "Audio");
    EXPECT_EQ(results.AudioSubType, "");
    EXPECT_EQ(results.OtherSubType, "UnKnown ");
    EXPECT_EQ(results.OtherMajorType, "Unknown");
}

TEST_F(Analysis, AudioEntryTellsBitRateInBitsPerSecond) {
    FakeStream pcm = WaveStream(1, 2, 44100, 16, 176400);
    pcm.length = 125.4;
    FakeStream noAverage = WaveStream(1, 2, 44100, 16, 0);
    noAverage.lengthResult = E_FAIL;
    FakeStream odd = WaveStream(0x11, 1, 1005, 10, 0);
    script.streams = {pcm, noAverage, odd};
    Analyse();
    ASSERT_EQ(results.AudioStreams.size(), 3u);
    const TKxAudioStreamInfo& first = results.AudioStreams.at(0);
    EXPECT_EQ(first.Codec, "Microsoft PCM Format");
    EXPECT_EQ(first.BitRate, "1411200");
    EXPECT_EQ(first.Channels, "2");
    EXPECT_EQ(first.SampleRate, "44100");
    EXPECT_EQ(first.BitsPerSample, "16");
    EXPECT_EQ(first.Duration, "02:05");
    EXPECT_EQ(first.DurationMS, "125400");
    EXPECT_EQ(first.CodecInfo, "");
    EXPECT_EQ(results.AudioStreams.at(1).BitRate, "1411200");
    EXPECT_EQ(results.AudioStreams.at(1).Duration, "");
    EXPECT_EQ(results.AudioStreams.at(2).BitRate, "10050");
    EXPECT_EQ(results.AudioStreams.at(2).Codec, "Intel DVI ADPCM (IMA ADPCM)");
    EXPECT_THROW(results.AudioStreams.at(3), std::out_of_range);
    EXPECT_THROW(results.AudioStreams.at(-1), std::out_of_range);
}

TEST_F(Analysis, AudioWithoutUsableBlockAddsNoEntry) {
    FakeStream empty = WaveStream(1, 2, 44100, 16);
    empty.block.clear();
    FakeStream truncated = WaveStream(1, 2, 44100, 16);
    truncated.block.resize(15);
    FakeStream pcmWaveFormat = WaveStream(1, 2, 44100, 16);
    pcmWaveFormat.block.resize(16);  // a PCMWAVEFORMAT: no cbSize
    script.streams = {empty, truncated, pcmWaveFormat};
    Analyse();
    ASSERT_EQ(results.AudioStreams.size(), 1u);
    EXPECT_EQ(results.AudioStreams.at(0).BitsPerSample, "16");
}

}  // namespace
}  // namespace lumora::testing
