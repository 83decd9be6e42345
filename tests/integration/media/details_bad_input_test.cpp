// Hostile headers through the details: huge and odd texts, thousands of chapters and streams,
// contradictory values, a file that ends inside its first frames. Each answers within the
// deadline, the page's lines stay those of the same file without the oddity, the JSON holds
// everything whole and the report keeps every value to one line.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "tests/integration/media/media_samples.h"
#include "tests/support/lumora_info_run.h"
#include "tests/support/temp_dir.h"
#include "tests/support/time_bound.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::json;

const std::string kClip = "-f lavfi -i testsrc=rate=25:duration=1:size=160x120 ";
const std::string kH264 = "-c:v libx264 -preset ultrafast ";
const std::string kWithInput =
    kClip + "-f ffmetadata -i {input} -map 0 -map_metadata 1 -map_chapters 1 " + kH264;

std::string Chapters(int count) {
    std::string text = ";FFMETADATA1\n";
    for (int i = 0; i < count; ++i)
        text += "[CHAPTER]\nTIMEBASE=1/10000\nSTART=" + std::to_string(i) + "\nEND=" + std::to_string(i + 1) +
                "\ntitle=Chapter " + std::to_string(i) + "\n";
    return text;
}

// lumora_info's three outputs of one file, each run within the deadline.
struct Outputs {
    std::string text, full;
    Json details;
};

Outputs Read(const std::string& path) {
    Outputs outputs;
    for (const char* format : {"text", "full", "json"}) {
        const auto start = std::chrono::steady_clock::now();
        const std::string out = RunLumoraInfo("-of " + std::string(format) + " " + ShellQuote(path)).out;
        EXPECT_LT(std::chrono::steady_clock::now() - start, TimeBound(std::chrono::milliseconds(3500)))
            << format;
        if (format == std::string("text")) outputs.text = out;
        if (format == std::string("full")) outputs.full = out;
        if (format == std::string("json")) outputs.details = Json::parse(out, nullptr, false)["details"];
    }
    return outputs;
}

TEST(DetailsOfHostileFiles, AnswerInTimeWholeInJsonAndLeaveThePageAsItWas) {
    const std::string one("\0\1\0\0", 4), none(12, '\0');
    const std::string identity = one + none + one + none + std::string("\x40\0\0\0", 4);
    const struct {
        Sample odd;
        std::string plain;  // ffmpeg arguments of the same file without the oddity; empty for none
        std::function<void(const Outputs&)> check;
    } cases[] = {
        {{"big_tag.mkv", kWithInput, {}, {}, ";FFMETADATA1\ncomment=" + std::string(1'000'000, 'x') + "\n"},
         kClip + kH264,
         [](const Outputs& out) {
             EXPECT_EQ(out.details["format"]["tags"]["COMMENT"].get<std::string>().size(), 1'000'000u);
             EXPECT_NE(out.full.find("Комментарий: " + std::string(1000, 'x') + "…\n"), std::string::npos);
         }},
        {{"odd_tags.mkv", kWithInput, {}, {}, ";FFMETADATA1\ntitle=A\x01\x1b\xff\xfe B\n"},
         kClip + kH264,
         [](const Outputs& out) {
             EXPECT_EQ(out.details["format"]["tags"]["title"], "A\x01\x1b\xef\xbf\xbd\xef\xbf\xbd B");
             EXPECT_NE(out.full.find("Название: A\\x01\\x1b\\xff\\xfe B\n"), std::string::npos);
         }},
        {{"chapters.mkv", kWithInput, {}, {}, Chapters(10'000)},
         kClip + kH264,
         [](const Outputs& out) {
             EXPECT_EQ(out.details["chapters"].size(), 10'000u);
             EXPECT_EQ(out.details["chapters"][9'999]["title"], "Chapter 9999");
         }},
        {{"streams.mkv", "-f lavfi -i sine=duration=0.1 " +
                             [] {
                                 std::string maps;
                                 for (int i = 0; i < 1000; ++i)
                                     maps += "-map 0 ";
                                 return maps;
                             }() +
                             "-c:a pcm_s16le"},
         {},
         [](const Outputs& out) { EXPECT_EQ(out.details["streams"].size(), 1000u); }},
        {{"binary_language.mkv", kClip + kH264 + "-metadata:s:v:0 language=" + ShellQuote("\x01\x02\x03")},
         kClip + kH264,
         [](const Outputs& out) {
             EXPECT_EQ(out.details["streams"][0]["language"], "\x01\x02\x03");
             EXPECT_TRUE(out.details["streams"][0]["language_name"].is_null());
         }},
        // A display matrix of zeros turns the picture by no number of degrees.
        {{"no_matrix.mp4", kClip + kH264 + "-movflags +faststart", identity, std::string(36, '\0')},
         kClip + kH264 + "-movflags +faststart",
         [](const Outputs& out) { EXPECT_TRUE(out.details["streams"][0]["rotation"].is_null()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.odd.name);
        const std::string path = MadeSample(c.odd);
        if (path.empty()) GTEST_SKIP() << "ffmpeg could not make " << c.odd.name;
        const Outputs out = Read(path);
        ASSERT_TRUE(out.details.is_object());
        c.check(out);
        if (c.plain.empty()) continue;
        const std::string plain =
            MadeSample({"plain" + std::filesystem::path(c.odd.name).extension().string(), c.plain});
        EXPECT_EQ(out.text, Read(plain).text) << "the page's lines";
    }
}

TEST(DetailsOfHostileFiles, AFileEndingInsideItsFirstFrames) {
    const std::string source = SamplePath("hdr10.mkv");
    if (source.empty()) GTEST_SKIP() << "no sample";
    std::ifstream in(source, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const TempDir dir;
    for (const size_t size : {size_t{600}, size_t{2000}, size_t{6000}, content.size() / 3}) {
        const Outputs out = Read(dir.File("cut" + std::to_string(size) + ".mkv", content.substr(0, size)));
        SCOPED_TRACE(size);
        EXPECT_FALSE(out.text.empty());
    }
}

}  // namespace
}  // namespace lumora::testing
