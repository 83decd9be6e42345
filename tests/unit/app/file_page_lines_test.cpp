#include <gtest/gtest.h>

#include "app/page_text/file_page_lines.h"
#include "component/lumoram.h"
#include "tests/support/fake_media_detector.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

std::vector<std::string> LinesFor(TKxLumora& lumora, const std::string& path) {
    lumora.SetFileName(path);
    lumora.ReadFileInfo();
    return FilePageLines(lumora);
}

TEST(FilePageLines, NewComponentShowsAnEmptyVideoBlock) {
    TKxLumora lumora;
    const std::vector<std::string> expected = {
        "********* ВИДЕО *********",
        "Кодек: ",
        "Длина: ",
        "Ширина: 0",
        "Высота: 0",
        "FOURCC: ",
        "Отношение сторон: ",
        "Частота кадров: 0",
        "Битрейт: 0",
        "Число кадров: 0",
    };
    EXPECT_EQ(FilePageLines(lumora), expected);
}

TEST(FilePageLines, VideoAndTwoAudioStreamsGiveTwentyEightLines) {
    TempDir dir;
    FakeMediaScript script;
    FakeStream video = VideoInfoStream(640, -480, MakeFourCC('D', 'I', 'V', 'X'), 1500000);
    video.rate = 30000.0 / 1001;
    video.length = 10;
    FakeStream second = WaveStream(0x55, 2, 48000, 0, 16000);
    second.length = 3725;
    script.streams = {video, WaveStream(1, 2, 44100, 16, 176400), second};
    ScopedFakeMediaDetector detector(script);
    TKxLumora lumora;
    lumora.SetDecimalSeparator(",");

    const auto lines = LinesFor(lumora, dir.File("clip.avi"));
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[1], "Кодек: DivX");
    EXPECT_EQ(lines[4], "Высота: -480");
    EXPECT_EQ(lines[6], "Отношение сторон: -1,3333");
    EXPECT_EQ(lines[7], "Частота кадров: 29,97002997003");
    EXPECT_EQ(lines[8], "Битрейт: 1500000");
    EXPECT_EQ(lines[9], "Число кадров: 300");
    const std::vector<std::string> firstAudio(lines.begin() + 10, lines.begin() + 19);
    const std::vector<std::string> expected = {
        "********* АУДИО *********",
        "Аудио #1",
        "Кодек: Microsoft PCM Format",
        "Инфа кодека: ",
        "Длина: 00:00",
        "Битрейт: 1411200",
        "Каналы: 2",
        "Частота: 44100",
        "BPS: 16",
    };
    EXPECT_EQ(firstAudio, expected);
    EXPECT_EQ(lines[20], "Аудио #2");
    EXPECT_EQ(lines[23], "Длина: 01:02:05");
    EXPECT_EQ(lines[24], "Битрейт: 128000");
}

TEST(FilePageLines, FailureMarkerIsTheLastLine) {
    TempDir dir;
    FakeMediaScript script;
    script.openResult = E_FAIL;
    ScopedFakeMediaDetector detector(script);
    TKxLumora lumora;

    auto lines = LinesFor(lumora, dir.File("broken.avi"));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.back(), "ERROR");

    lines = LinesFor(lumora, (dir.Path() / "missing").string());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.back(), "FILE NOT FOUND");
}

}  // namespace
}  // namespace lumora::testing
