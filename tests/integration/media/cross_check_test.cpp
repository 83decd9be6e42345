// Every sample analysed by the real media detector, checked against what ffprobe says of it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "component/lumoram.h"
#include "platform/com.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/media_tools.h"

namespace lumora::testing {
namespace {

// "MM:SS" or "HH:MM:SS" of whole seconds.
std::string Clock(double seconds) {
    const long whole = static_cast<long>(seconds);
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%02ld:%02ld", whole / 60, whole % 60);
    return text;
}

// The stream's own duration, else the Matroska DURATION tag, else the file's.
double ExpectedLength(const ProbeFacts& probe, int index) {
    if (const double own = ProbeFacts::Number(probe.Stream(index, "duration")); own > 0) return own;
    const std::string tag = probe.Stream(index, "tags.DURATION");
    unsigned h = 0, m = 0;
    double s = 0;
    if (std::sscanf(tag.c_str(), "%u:%u:%lf", &h, &m, &s) == 3) return h * 3600 + m * 60 + s;
    return ProbeFacts::Number(probe.Format("duration"));
}

double ExpectedFrameRate(const ProbeFacts& probe, int index) {
    const double average = ProbeFacts::Number(probe.Stream(index, "avg_frame_rate"));
    if (average >= 8 && average <= 250) return average;
    return ProbeFacts::Number(probe.Stream(index, "r_frame_rate"));
}

class CrossCheck : public ::testing::TestWithParam<Sample> {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
};

TEST_P(CrossCheck, AgreesWithFfprobe) {
    const std::string path = SamplePath(GetParam().name);
    if (path.empty()) GTEST_SKIP() << "ffmpeg could not make " << GetParam().name;
    const ProbeFacts probe(path);
    ASSERT_FALSE(probe.Empty()) << "ffprobe failed on " << path;

    TKxLumora lumora;
    lumora.SetFileName(path);
    lumora.ReadFileInfo();
    ASSERT_NE(lumora.VideoMajorType(), "ERROR");

    int audioIndex = 0;
    bool sawVideo = false;
    for (int index = 0; !probe.Stream(index, "index").empty(); ++index) {
        SCOPED_TRACE("stream " + std::to_string(index));
        const std::string type = probe.Stream(index, "codec_type");
        const double length = ExpectedLength(probe, index);
        if (type == "video" && probe.Stream(index, "disposition.attached_pic") != "1") {
            sawVideo = true;
            const TKxVideoStreamInfo& video = lumora.Video();
            EXPECT_EQ(std::to_string(video.Width), probe.Stream(index, "width"));
            EXPECT_EQ(std::to_string(video.Height), probe.Stream(index, "height"));
            const double rate = ExpectedFrameRate(probe, index);
            EXPECT_NEAR(video.FrameRate, rate, rate * 1e-9);
            EXPECT_EQ(video.Duration, Clock(length));
            EXPECT_EQ(video.DurationMS, std::to_string(std::llround(length * 1000)));
            EXPECT_EQ(video.FrameCount, static_cast<int>(std::nearbyint(length * rate)));
            if (probe.Format("format_name") == "avi") {
                const std::string tag = probe.Stream(index, "codec_tag_string");
                EXPECT_EQ(video.FourCC, tag == "[0][0][0][0]" ? "RGB" : tag);
            }
        } else if (type == "audio") {
            ASSERT_LT(audioIndex, lumora.AudioStreamCount());
            const TKxAudioStreamInfo& audio = lumora.GetAudioStream(audioIndex++);
            EXPECT_EQ(audio.Channels, probe.Stream(index, "channels"));
            EXPECT_EQ(audio.SampleRate, probe.Stream(index, "sample_rate"));
            EXPECT_EQ(audio.Duration, Clock(length));
            const long bits = std::atol(probe.Stream(index, "bits_per_sample").c_str());
            const long long bitRate = std::atoll(probe.Stream(index, "bit_rate").c_str());
            if (bits > 0) {
                EXPECT_EQ(audio.BitsPerSample, std::to_string(bits));
            }
            if (bitRate > 0) {
                EXPECT_EQ(audio.BitRate, std::to_string(bitRate / 8 * 8)) << "whole bytes per second";
            }
        }
    }
    EXPECT_EQ(lumora.AudioStreamCount(), audioIndex);
    if (!sawVideo) {
        EXPECT_EQ(lumora.Video().Width, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, CrossCheck, ::testing::ValuesIn(AllSamples()),
                         [](const ::testing::TestParamInfo<Sample>& info) { return TestNameOf(info.param); });

}  // namespace
}  // namespace lumora::testing
