// What the page shows for samples of each kind: codec names, codes and shapes.
#include <gtest/gtest.h>

#include "app/page_text/file_page_lines.h"
#include "component/lumoram.h"
#include "platform/com.h"
#include "tests/integration/media/media_samples.h"

namespace lumora::testing {
namespace {

class KnownFile : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    // Analyses a sample; false (and the test skipped) when it could not be made.
    bool Analyse(const std::string& name) {
        const std::string path = SamplePath(name);
        if (path.empty()) return false;
        lumora.SetFileName(path);
        lumora.ReadFileInfo();
        return true;
    }

    TKxLumora lumora;
};

#define ANALYSE(name) \
    if (!Analyse(name)) GTEST_SKIP() << "ffmpeg could not make " << (name)

TEST_F(KnownFile, AviKeepsTheStoredFourCC) {
    struct Case {
        const char* file;
        const char* fourcc;
        const char* codec;
    };
    for (const Case& c :
         {Case{"xvid_pcm.avi", "XVID", "XVID MPEG-4"}, Case{"div3_mp3.avi", "DIV3", "DivX Low Motion"},
          Case{"mjpeg.avi", "MJPG", "Motion JPEG"},
          Case{"undecodable.avi", "bt20", "Conexant ProSummer MediaStream"},
          Case{"rgb24.avi", "RGB", "Full Frames (Uncompressed)"},
          // MPEG video too: an AVI describes it by its stored code, not by the MPEG blocks.
          Case{"mpeg1_mpeg.avi", "mpeg", "MPEG"}, Case{"mpeg2_mp2v.avi", "mp2v", "MPEG2 Video"},
          Case{"mpeg2_em2v.avi", "em2v", "Etymonix MPEG-2 I-frame"}}) {
        ANALYSE(c.file);
        EXPECT_EQ(lumora.Video().FourCC, c.fourcc) << c.file;
        EXPECT_EQ(lumora.Video().Codec, c.codec) << c.file;
        EXPECT_EQ(lumora.FileFormat(), "AVI");
        EXPECT_EQ(lumora.VideoMajorType(), "Video");
    }
    ANALYSE("rgb24.avi");
    EXPECT_EQ(lumora.VideoSubType(), "RGB24") << "raw RGB is typed by its depth";
}

TEST_F(KnownFile, WavReportsTheStoredFormatTag) {
    struct Case {
        const char* file;
        const char* codec;
        const char* bits;
    };
    for (const Case& c :
         {Case{"pcm16.wav", "Microsoft PCM Format", "16"}, Case{"pcm8.wav", "Microsoft PCM Format", "8"},
          Case{"alaw.wav", "Microsoft ALAW (CCITT A-Law)", "8"}, Case{"float.wav", "IEEE FLOAT", "32"},
          Case{"ima_adpcm.wav", "Intel DVI ADPCM (IMA ADPCM)", "4"},
          Case{"mp3.wav", "MPEG-1 Layer 3 (MP3)", "0"}}) {
        ANALYSE(c.file);
        ASSERT_EQ(lumora.AudioStreamCount(), 1) << c.file;
        EXPECT_EQ(lumora.GetAudioStream(0).Codec, c.codec) << c.file;
        EXPECT_EQ(lumora.GetAudioStream(0).BitsPerSample, c.bits) << c.file;
        EXPECT_EQ(lumora.Video().Width, 0);
    }
    ANALYSE("pcm16.wav");
    EXPECT_EQ(lumora.GetAudioStream(0).BitRate, "1411200") << "bits per second of 16-bit stereo at 44.1 kHz";
    EXPECT_EQ(lumora.AudioSubType(), "PCM");
    ANALYSE("float.wav");
    EXPECT_EQ(lumora.OtherSubType(), "IEEE FLOAT");
}

TEST_F(KnownFile, MatroskaWithTwoAudioStreamsFillsTwentyEightLines) {
    ANALYSE("h264_two_audio.mkv");
    const auto lines = FilePageLines(lumora);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[1], "Кодек: Intel ITU H.264");
    EXPECT_EQ(lines[5], "FOURCC: H264");
    EXPECT_EQ(lines[6], "Отношение сторон: 16:9");
    EXPECT_EQ(lines[11], "Аудио #1");
    EXPECT_EQ(lines[12], "Кодек: Dolby AC3 / FAST Multimedia AG DVM");
    EXPECT_EQ(lines[16], "Каналы: 2");
    EXPECT_EQ(lines[20], "Аудио #2");
    EXPECT_EQ(lines[21], "Кодек: AAC");
    EXPECT_EQ(lumora.FileFormat(), "Matroska");
    EXPECT_EQ(lumora.AudioSubType(), "DOLBY AC3") << "the last stream with a listed subtype";
}

TEST_F(KnownFile, Mp4AndNtscRate) {
    ANALYSE("ntsc.mp4");
    lumora.SetDecimalSeparator(",");
    EXPECT_EQ(lumora.FileFormat(), "MPEG 4");
    EXPECT_EQ(FilePageLines(lumora)[7], "Частота кадров: 29,97002997003");
    EXPECT_EQ(lumora.Video().AspectRatio, "3:2") << "720×480 with square pixels";
    EXPECT_EQ(lumora.Video().FrameCount, 60);

    ANALYSE("h264_aac.mp4");
    EXPECT_EQ(lumora.Video().AspectRatio, "427:240") << "854×480 reduced";
    ASSERT_EQ(lumora.AudioStreamCount(), 1);
    EXPECT_EQ(lumora.GetAudioStream(0).Codec, "AAC");
    EXPECT_EQ(lumora.GetAudioStream(0).BitsPerSample, "0");
}

TEST_F(KnownFile, AnamorphicPictureShowsItsDisplayAspect) {
    ANALYSE("anamorphic.mkv");
    EXPECT_EQ(lumora.Video().Width, 720);
    EXPECT_EQ(lumora.Video().AspectRatio, "16:9");
    EXPECT_EQ(lumora.Video().AspectX, 16);
}

TEST_F(KnownFile, MpegProgramStreams) {
    ANALYSE("mpeg2_mp2.mpg");
    EXPECT_EQ(lumora.FileFormat(), "MPEG 1/2");
    EXPECT_EQ(lumora.VideoSubType(), "MPEG2 VIDEO");
    EXPECT_EQ(lumora.Video().Codec, "mpg2");
    EXPECT_EQ(lumora.Video().FourCC, "") << "MPEG blocks name the codec only";
    EXPECT_EQ(lumora.Video().AspectRatio, "5:4") << "the header's aspect: square pixels";
    ASSERT_EQ(lumora.AudioStreamCount(), 1);
    EXPECT_EQ(lumora.GetAudioStream(0).Codec, "MPEG-1 layer 1, 2");
    EXPECT_EQ(lumora.AudioSubType(), "MPEG1AudioPayload");

    ANALYSE("interlaced.mpg");
    EXPECT_EQ(lumora.Video().AspectRatio, "16:9") << "a DVD's wide picture, not 720 ÷ 576";

    ANALYSE("mpeg1_system.mpg");
    EXPECT_EQ(lumora.VideoSubType(), "MPEG1Payload");
    EXPECT_EQ(lumora.Video().Codec, "mpg1");
    EXPECT_EQ(lumora.Video().AspectRatio, "1.2222");
}

TEST_F(KnownFile, OddPictureSizeIsANumberedRatio) {
    ANALYSE("odd_size.avi");
    lumora.SetDecimalSeparator(",");
    ANALYSE("odd_size.avi");
    EXPECT_EQ(lumora.Video().Width, 723);
    EXPECT_EQ(lumora.Video().Height, 481);
    EXPECT_EQ(lumora.Video().AspectRatio, "1,5031");
    EXPECT_EQ(lumora.Video().FourCC, "FFV1");
}

TEST_F(KnownFile, CoverArtIsNoVideo) {
    ANALYSE("cover.mp3");
    EXPECT_EQ(lumora.Video().Width, 0);
    EXPECT_EQ(lumora.VideoMajorType(), "");
    ASSERT_EQ(lumora.AudioStreamCount(), 1);
    EXPECT_EQ(lumora.GetAudioStream(0).Codec, "MPEG-1 Layer 3 (MP3)");
}

TEST_F(KnownFile, CodecsWithoutRiffCodesStillGetACode) {
    // MP4 and QuickTime files keep the code they store, as AVI files do.
    for (const auto& [file, fourcc] :
         {std::pair{"hevc.mp4", "hev1"}, {"rotated.mp4", "hvc1"}, {"h264_aac.mp4", "avc1"}}) {
        ANALYSE(file);
        EXPECT_EQ(lumora.Video().FourCC, fourcc) << file;
    }
    ANALYSE("vp9_opus.webm");
    EXPECT_EQ(lumora.Video().FourCC, "VP90");
    ASSERT_EQ(lumora.AudioStreamCount(), 1);
    EXPECT_EQ(lumora.GetAudioStream(0).Codec, "Microsoft Unknown Wave Format") << "opus has no tag";
}

}  // namespace
}  // namespace lumora::testing
