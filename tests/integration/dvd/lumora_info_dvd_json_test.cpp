// lumora_info --dvd --json read back and compared with lsdvd's XML report of the same volumes.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <sstream>

#include "tests/integration/dvd/authored_volumes.h"
#include "tests/integration/dvd/dvd_expectations.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::testing;
using nlohmann::json;

// lsdvd writes "xx" for a stream without a language.
json LanguageCode(const std::string& lsdvdCode) {
    return lsdvdCode == "xx" || lsdvdCode.empty() ? json() : json(lsdvdCode);
}

int Int(const std::string& text) { return std::atoi(text.c_str()); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

class LumoraInfoDvdJson : public AuthoredVolumes, public ::testing::WithParamInterface<const char*> {};
using LumoraInfoDvdJsonFailures = AuthoredVolumes;

TEST_P(LumoraInfoDvdJson, AgreesWithLsdvd) {
    const fs::path volume = Volume(GetParam());
    const ProgramRun run = RunLumoraInfo("--json --dvd " + ShellQuote(volume.string()));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one object on one line";
    EXPECT_EQ(RunLumoraInfo("-of json --dvd " + ShellQuote(volume.string())).out, run.out);
    const json dvd = json::parse(run.out);
    EXPECT_EQ(dvd.at("lumora_json"), 1);
    EXPECT_EQ(dvd.at("path"), volume.string());
    EXPECT_EQ(dvd.at("ok"), true);
    EXPECT_TRUE(std::regex_match(dvd.at("disc_id").get<std::string>(), std::regex("[0-9A-F]{16}")));
    EXPECT_EQ(dvd.at("volumes"), 1);
    EXPECT_EQ(dvd.at("volume"), 1);
    EXPECT_EQ(dvd.at("side"), "A");
    EXPECT_EQ(dvd.at("regions"), json::parse("[1,2,3,4,5,6,7,8]")) << "dvdauthor leaves every region open";

    const std::string xml = RunProgram("lsdvd -Ox -x " + ShellQuote(volume.string())).out;
    const std::vector<std::string> tracks = Elements(xml, "track");
    ASSERT_FALSE(tracks.empty()) << xml;
    const json& titles = dvd.at("titles");
    ASSERT_EQ(titles.size(), tracks.size());
    // The page's texts, as the text mode's tests expect them from lsdvd's other report.
    const std::vector<std::string> pageLines =
        SplitLines(ExpectedDvdOutput(Lsdvd(volume), volume / "VIDEO_TS"));
    std::vector<std::string> jsonLines;
    for (size_t t = 0; t < tracks.size(); ++t) {
        SCOPED_TRACE("title " + std::to_string(t + 1));
        const std::string& track = tracks[t];
        const json& title = titles[t];
        EXPECT_EQ(title.at("number"), Int(Field(track, "ix")));
        const double fps = std::atof(Field(track, "fps").c_str());
        EXPECT_NEAR(title.at("playing_time").at("duration_s").get<double>(),
                    std::atof(Field(track, "length").c_str()), 1 / fps);
        EXPECT_EQ(title.at("chapters"), Elements(track, "chapter").size());
        const json& video = title.at("video");
        EXPECT_EQ(video.at("standard"), Field(track, "format"));
        EXPECT_EQ(video.at("aspect_ratio"), std::regex_replace(Field(track, "aspect"), std::regex("/"), ":"));
        EXPECT_EQ(video.at("width"), Int(Field(track, "width")));
        EXPECT_EQ(video.at("frame_height"), Int(Field(track, "height")));
        // lsdvd prints the system's full height; a SIF picture has half of it.
        EXPECT_TRUE(video.at("height") == Int(Field(track, "height")) ||
                    video.at("height") == Int(Field(track, "height")) / 2);

        const std::vector<std::string> audio = Elements(track, "audio");
        ASSERT_EQ(title.at("audio").size(), audio.size());
        for (size_t k = 0; k < audio.size(); ++k) {
            SCOPED_TRACE("audio " + std::to_string(k));
            const json& stream = title.at("audio")[k];
            std::string format = stream.at("format").get<std::string>();
            std::transform(format.begin(), format.end(), format.begin(), ::tolower);
            EXPECT_EQ(format.substr(0, format.find(' ')),
                      std::regex_replace(Field(audio[k], "format"), std::regex("(ext)? *$"), ""));
            EXPECT_EQ(stream.at("sample_rate"), Int(Field(audio[k], "frequency")));
            EXPECT_EQ(stream.at("channels"), Int(Field(audio[k], "channels")));
            EXPECT_EQ(stream.at("language_code"), LanguageCode(Field(audio[k], "langcode")));
        }
        for (const std::string& subpicture : Elements(track, "subp")) {
            const size_t index = static_cast<size_t>(Int(Field(subpicture, "ix"))) - 1;
            ASSERT_LT(index, title.at("subtitles").size());
            EXPECT_EQ(title.at("subtitles")[index].at("language_code"),
                      LanguageCode(Field(subpicture, "langcode")));
        }

        jsonLines.push_back(title.at("text"));
        jsonLines.push_back("  Видео: " + video.at("text").get<std::string>());
        for (const json& stream : title.at("audio"))
            jsonLines.push_back("  Аудиопотоки: " + stream.at("text").get<std::string>());
        for (const json& stream : title.at("subtitles"))
            jsonLines.push_back("  Субтитры: " + stream.at("language").get<std::string>());
    }
    EXPECT_EQ(jsonLines, pageLines);
}

INSTANTIATE_TEST_SUITE_P(Dvd, LumoraInfoDvdJson, ::testing::Values("pal_mixed", "ntsc_mixed", "pal_silent"));

TEST_F(LumoraInfoDvdJsonFailures, WhatIsNoVolumeIsAnObjectToo) {
    const TempDir dir;
    const ProgramRun run = RunLumoraInfo("--json --dvd " + ShellQuote(dir.Path().string()));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(json::parse(run.out), (json{{"lumora_json", 1},
                                          {"path", dir.Path().string()},
                                          {"ok", false},
                                          {"error", "not a DVD-Video volume"}}));
    EXPECT_EQ(run.err, "lumora_info: " + dir.Path().string() + ": not a DVD-Video volume\n");
}

TEST_F(LumoraInfoDvdJsonFailures, AFailedWriteEndsWithOneErrorLine) {
    for (const std::string& form : {std::string(), std::string("--json ")}) {
        const ProgramRun run =
            RunLumoraInfo(form + "--dvd " + ShellQuote(Volume("pal_mixed").string()) + " >/dev/full");
        EXPECT_EQ(run.status, 1) << form;
        EXPECT_EQ(run.err, "lumora_info: write error: No space left on device\n") << form;
    }
}

}  // namespace
