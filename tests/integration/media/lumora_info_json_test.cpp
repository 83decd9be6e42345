// lumora_info --json read back and compared with what ffprobe says of the same files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

#include "tests/integration/media/media_samples.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

using nlohmann::json;

double Number(const json& value) {
    if (value.is_number()) return value.get<double>();
    return value.is_string() ? ProbeFacts::Number(value.get<std::string>()) : 0;
}

// "01:02:03.500000000", as Matroska's DURATION tag holds it.
double TagSeconds(const std::string& text) {
    int hours = 0, minutes = 0;
    double seconds = 0;
    return std::sscanf(text.c_str(), "%d:%d:%lf", &hours, &minutes, &seconds) == 3
               ? hours * 3600.0 + minutes * 60.0 + seconds
               : 0;
}

// The stream's length as the detector takes it: its own, else its DURATION tag, else the file's.
double ProbeDuration(const json& stream, const json& format) {
    if (stream.contains("duration")) return Number(stream["duration"]);
    if (stream.contains("tags"))
        for (const auto& [key, value] : stream["tags"].items())
            if (key.rfind("DURATION", 0) == 0) return TagSeconds(value.get<std::string>());
    return Number(format.value("duration", json()));
}

double ProbeFrameRate(const json& stream) {
    const double average = Number(stream.value("avg_frame_rate", json()));
    return average >= 8 && average <= 250 ? average : Number(stream.value("r_frame_rate", json()));
}

TEST(LumoraInfoJson, EveryFileAgreesWithFfprobe) {
    if (!HaveTool("ffprobe")) GTEST_SKIP() << "ffprobe is missing";
    std::vector<std::string> paths;
    std::string arguments;
    for (const Sample& sample : AllSamples()) {
        const std::string path = SamplePath(sample.name);
        if (path.empty()) GTEST_SKIP() << "no sample " << sample.name;
        paths.push_back(path);
        arguments += " " + ShellQuote(path);
    }
    const ProgramRun run = RunLumoraInfo("--json -j 2" + arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        const json ours = json::parse(line);
        const json probe =
            json::parse(RunCommand("ffprobe -v error -of json -show_streams -show_format " + ShellQuote(path))
                            .value_or("{}"));
        ASSERT_TRUE(probe.contains("streams"));
        EXPECT_EQ(ours.at("lumora_json"), 1);
        EXPECT_EQ(ours.at("path"), path);
        EXPECT_EQ(ours.at("ok"), true);
        EXPECT_TRUE(ours.at("error").is_null());

        json video;
        std::vector<json> audio;
        for (const json& stream : probe["streams"]) {
            if (stream.value("codec_type", "") == "audio") audio.push_back(stream);
            const bool picture =
                stream.contains("disposition") && stream["disposition"].value("attached_pic", 0);
            if (stream.value("codec_type", "") == "video" && !picture) video = stream;
        }
        if (video.is_null()) {
            EXPECT_TRUE(ours.at("video").is_null());
        } else {
            const json& v = ours.at("video");
            ASSERT_TRUE(v.is_object());
            EXPECT_EQ(v.at("width"), video.at("width"));
            EXPECT_EQ(v.at("height"), video.at("height"));
            const double rate = ProbeFrameRate(video);
            EXPECT_NEAR(v.at("frame_rate").get<double>(), rate, rate * 1e-9);
            EXPECT_NEAR(v.at("duration_s").get<double>(), ProbeDuration(video, probe["format"]),
                        1 / rate + 0.0005);
            EXPECT_TRUE(v.at("bit_rate").is_number_integer());
            EXPECT_TRUE(v.at("aspect_ratio").is_string());
        }
        const json& ourAudio = ours.at("audio");
        ASSERT_EQ(ourAudio.size(), audio.size());
        for (size_t k = 0; k < audio.size(); ++k) {
            SCOPED_TRACE("audio " + std::to_string(k));
            EXPECT_EQ(ourAudio[k].at("sample_rate"), Number(audio[k].at("sample_rate")));
            EXPECT_EQ(ourAudio[k].at("channels"), audio[k].at("channels"));
            // One audio frame: at most 2,048 samples for the codecs of the samples.
            EXPECT_NEAR(ourAudio[k].at("duration_s").get<double>(), ProbeDuration(audio[k], probe["format"]),
                        2048.0 / Number(audio[k].at("sample_rate")));
        }
    }
    std::string extra;
    EXPECT_FALSE(std::getline(lines, extra)) << "one line per file";
}

TEST(LumoraInfoJson, AFailedFileIsAnObjectWithEveryField) {
    const ProgramRun run = RunLumoraInfo("--json /nonexistent.avi");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lumora_info: /nonexistent.avi: No such file or directory\n");
    const json object = json::parse(run.out);
    EXPECT_EQ(object, json::parse(R"({"lumora_json": 1, "path": "/nonexistent.avi", "ok": false,
        "error": "not found", "reason": "No such file or directory", "container": null,
        "types": {"video": {"major": null, "sub": null}, "audio": {"major": null, "sub": null},
                  "other": {"major": null, "sub": null}},
        "video": null, "audio": [], "details": null})"));
}

}  // namespace
}  // namespace lumora::testing
