// The details of every sample, as lumora_info --json gives them, against what ffprobe and
// mediainfo say of the same file: each fact an oracle tells must be ours too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>

#include "tests/integration/media/media_samples.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

using Json = nlohmann::json;

const Json kNull;

Json Oracle(const std::string& command, const std::string& path) {
    const auto output = RunCommand(command + " " + ShellQuote(path) + " 2>/dev/null");
    return output ? Json::parse(*output, nullptr, false) : Json();
}

const Json& Field(const Json& object, const char* key) {
    return object.is_object() && object.contains(key) ? object[key] : kNull;
}

double Fraction(const Json& text) {
    if (!text.is_string()) return 0;
    const std::string value = text;
    const size_t slash = value.find_first_of("/:");
    if (slash == std::string::npos) return std::atof(value.c_str());
    const double den = std::atof(value.c_str() + slash + 1);
    return den == 0 ? 0 : std::atof(value.c_str()) / den;
}

// ffprobe's tags object (values as texts), or an empty one.
Json Tags(const Json& probed) {
    const Json& tags = Field(probed, "tags");
    return tags.is_object() ? tags : Json::object();
}

// The mediainfo track of the stream with that index (StreamOrder), or null.
const Json& InfoTrack(const Json& info, int index) {
    for (const Json& track : Field(Field(info, "media"), "track")) {
        if (Field(track, "StreamOrder") == std::to_string(index)) return track;
        {}
    }
    return kNull;
}

// What ffmpeg does with each video and audio stream over its first half second, by index:
// the decoder it maps the stream to ("native": the codec's own), and "error" when decoding failed.
std::map<int, std::string> FfmpegDecoding(const std::string& path) {
    const std::string log = RunCommand("ffmpeg -hide_banner -nostdin -i " + ShellQuote(path) +
                                       " -map 0:v? -map 0:a? -t 0.5 -f null - 2>&1; true")
                                .value_or("");
    const std::regex mapped(R"(Stream #0:(\d+) -> #0:\d+ \((\S+) \((\S+)\) ->)");
    const std::regex failed(R"(Error while decoding stream #0:(\d+))");
    std::map<int, std::string> decoding;
    for (std::sregex_iterator at(log.begin(), log.end(), mapped), end; at != end; ++at)
        decoding[std::stoi((*at)[1])] = (*at)[3] == "native" ? (*at)[2].str() : (*at)[3].str();
    for (std::sregex_iterator at(log.begin(), log.end(), failed), end; at != end; ++at)
        decoding[std::stoi((*at)[1])] = "error";
    return decoding;
}

// The device types a decoder lists as its hardware ("cuda vaapi vdpau").
std::string HardwareOf(const std::string& decoder) {
    const std::string help = RunCommand("ffmpeg -hide_banner -h decoder=" + ShellQuote(decoder)).value_or("");
    const size_t at = help.find("Supported hardware devices: ");
    return at == std::string::npos ? "" : help.substr(at + 28, help.find('\n', at) - at - 28);
}

// What the stream needs against what ffmpeg decodes it with; on a machine without a GPU no
// hardware path is usable, each says why.
void CompareDecoding(const Json& ours, const std::map<int, std::string>& decoding) {
    const auto found = decoding.find(ours["index"].get<int>());
    const bool failed = found != decoding.end() && found->second == "error";
    if (found != decoding.end() && !failed) {
        EXPECT_EQ(ours["decoder"], found->second == "?" ? Json() : Json(found->second));  // "?": none
    }
    EXPECT_EQ(ours["decodes"], !ours["decoder"].is_null() && !failed) << ours["decode_error"];
    std::string types;
    for (const Json& path : ours["hw_decode"]) {
        types += path["type"].get<std::string>() + " ";
        if (!std::filesystem::exists("/dev/dri") && !std::filesystem::exists("/dev/nvidia0")) {
            EXPECT_EQ(path["usable"], false);
            EXPECT_TRUE(path["reason"].is_string());
        }
    }
    if (ours["decoder"].is_string()) {
        std::string expected = HardwareOf(ours["decoder"]);
        std::transform(expected.begin(), expected.end(), expected.begin(), ::toupper);
        EXPECT_EQ(types.substr(0, expected.size()), expected);
    }
}

// Equal when the oracle tells the fact at all.
#define EXPECT_FACT(ours, oracle)         \
    if (!(oracle).is_null()) {            \
        EXPECT_EQ(ours, oracle) << #ours; \
    }

void CompareVideo(const Json& ours, const Json& probed, const Json& info) {
    EXPECT_EQ(ours["width"], probed["width"]);
    EXPECT_EQ(ours["height"], probed["height"]);
    if (Fraction(Field(probed, "sample_aspect_ratio")) > 0) {
        EXPECT_EQ(ours["sar"], probed["sample_aspect_ratio"]);
        EXPECT_EQ(ours["dar"], probed["display_aspect_ratio"]);
    }
    if (Fraction(probed["avg_frame_rate"]) > 0) {
        EXPECT_NEAR(ours["frame_rate"].get<double>(), Fraction(probed["avg_frame_rate"]), 1e-9);
    }
    EXPECT_EQ(ours["pix_fmt"], Field(probed, "pix_fmt"));
    // mediainfo reads the scan from the stream, as we do; ffprobe's stream field is the decoder's guess.
    const std::string order = Field(probed, "field_order").is_string() ? probed["field_order"] : "unknown";
    if (order != "unknown" && !Field(info, "ScanType").is_string()) {
        EXPECT_EQ(ours["field_order"], order);
    }
    if (Field(info, "ScanType").is_string() && !ours["field_order"].is_null()) {
        const bool interlaced = info["ScanType"] != "Progressive";
        EXPECT_EQ(ours["field_order"] != "progressive", interlaced);
        if (interlaced) {
            EXPECT_EQ(ours["field_order"], Field(info, "ScanOrder") == "TFF" ? "tt" : "bb");
        }
    }
    for (const Json& side : Field(probed, "side_data_list")) {
        if (side.contains("rotation")) {
            EXPECT_EQ(ours["rotation"].get<double>(), std::fmod(360 - side["rotation"].get<double>(), 360));
        }
    }
    if (Field(info, "FrameRate_Mode").is_string() && !ours["frame_rate_mode"].is_null()) {
        EXPECT_EQ(ours["frame_rate_mode"], info["FrameRate_Mode"] == "VFR" ? "variable" : "constant");
    }
    if (Field(info, "BitDepth").is_string()) {
        EXPECT_EQ(std::to_string(ours["bit_depth"].get<int>()), info["BitDepth"]);
    }
    EXPECT_FACT(ours["chroma_subsampling"], Field(info, "ChromaSubsampling"));
    EXPECT_FACT(ours["color_range"], Field(info, "colour_range"));
    EXPECT_FACT(ours["color_primaries"], Field(info, "colour_primaries"));
    EXPECT_FACT(ours["color_transfer"], Field(info, "transfer_characteristics"));
    EXPECT_FACT(ours["color_matrix"], Field(info, "matrix_coefficients"));
    const Json& hdr = ours["hdr"];
    EXPECT_FACT(hdr["mastering_display"]["primaries"], Field(info, "MasteringDisplay_ColorPrimaries"));
    if (Field(info, "MasteringDisplay_Luminance").is_string()) {
        char text[96];
        std::snprintf(text, sizeof text, "min: %.4f cd/m2, max: %.0f cd/m2",
                      hdr["mastering_display"]["min_luminance"].get<double>(),
                      hdr["mastering_display"]["max_luminance"].get<double>());
        EXPECT_EQ(text, info["MasteringDisplay_Luminance"]);
    }
    if (Field(info, "MaxCLL").is_string()) {
        EXPECT_EQ(std::to_string(hdr["max_cll"].get<int>()) + " cd/m2", info["MaxCLL"]);
    }
    if (Field(info, "MaxFALL").is_string()) {
        EXPECT_EQ(std::to_string(hdr["max_fall"].get<int>()) + " cd/m2", info["MaxFALL"]);
    }
}

void CompareAudio(const Json& ours, const Json& probed, const Json& info) {
    EXPECT_EQ(ours["channels"], probed["channels"]);
    EXPECT_EQ(ours["channel_layout"], Field(probed, "channel_layout"));
    EXPECT_EQ(std::to_string(ours["sample_rate"].get<int>()), probed["sample_rate"]);
    EXPECT_EQ(ours["sample_fmt"], probed["sample_fmt"]);
    const int raw = static_cast<int>(Fraction(Field(probed, "bits_per_raw_sample")));
    const int bits = Field(probed, "bits_per_sample").get<int>();
    if (ours["lossless"] == true) {
        EXPECT_EQ(ours["bits_per_sample"], bits > 0 ? bits : raw);
    }
    if (Field(info, "Compression_Mode").is_string()) {
        EXPECT_EQ(ours["lossless"], info["Compression_Mode"] == "Lossless");
    }
}

void CompareStream(const Json& ours, const Json& probed, const Json& info, double frame,
                   const std::map<int, std::string>& decoders) {
    SCOPED_TRACE("stream " + std::to_string(probed["index"].get<int>()));
    EXPECT_EQ(ours["index"], probed["index"]);
    EXPECT_EQ(ours["kind"], probed["codec_type"]);
    EXPECT_EQ(ours["codec"], Field(probed, "codec_name"));
    EXPECT_EQ(ours["codec_long"], Field(probed, "codec_long_name"));
    EXPECT_EQ(ours["profile"], Field(probed, "profile") == "unknown" ? kNull : Field(probed, "profile"));
    EXPECT_FACT(ours["level"], Field(info, "Format_Level"));
    const Json tags = Tags(probed);
    EXPECT_EQ(ours["tags"], tags);
    EXPECT_EQ(ours["language"], Field(tags, "language"));
    EXPECT_EQ(ours["title"], Field(tags, "title"));
    // ffprobe's flags but those our details leave out.
    constexpr std::string_view kNotOurs[] = {"clean_effects", "timed_thumbnails", "metadata",
                                             "dependent",     "still_image",      "non_diegetic"};
    Json flags = Json::array();
    for (const auto& [name, set] : probed["disposition"].items())
        if (set == 1 && std::find(std::begin(kNotOurs), std::end(kNotOurs), name) == std::end(kNotOurs))
            flags.push_back(name);
    Json sorted = ours["disposition"];
    std::sort(flags.begin(), flags.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, flags);
    if (Field(probed, "start_time").is_string()) {
        EXPECT_NEAR(ours["start_s"].get<double>(), Fraction(probed["start_time"]), 1e-6);
    }
    const double duration = Fraction(Field(probed, "duration"));
    if (duration > 0) {
        EXPECT_NEAR(ours["duration_s"].get<double>(), duration, frame);
    }
    // ffprobe gives the MPEG video marker of a variable rate (0x3FFFF × 400) as a rate.
    if (Fraction(Field(probed, "bit_rate")) > 0 && probed["bit_rate"] != "104857200") {
        EXPECT_EQ(ours["bit_rate"], std::stoll(probed["bit_rate"].get<std::string>()));
    }
    if (ours["kind"] == "video") CompareVideo(ours, probed, info);
    if (ours["kind"] == "audio") CompareAudio(ours, probed, info);
    if (ours["kind"] == "attachment") {
        EXPECT_EQ(ours["file_name"], Field(tags, "filename"));
        EXPECT_EQ(ours["mime_type"], Field(tags, "mimetype"));
    } else if (ours["kind"] != "data") {
        CompareDecoding(ours, decoders);
    }
}

class Details : public ::testing::TestWithParam<Sample> {};

TEST_P(Details, AgreeWithFfprobeAndMediainfo) {
    const std::string path = SamplePath(GetParam().name);
    if (path.empty()) GTEST_SKIP() << "ffmpeg could not make " << GetParam().name;
    if (!HaveTool("mediainfo")) GTEST_SKIP() << "SKIPPED LOUDLY: mediainfo is missing";
    const Json probe = Oracle("ffprobe -v quiet -of json -show_format -show_streams -show_chapters", path);
    const Json info = Oracle("mediainfo --Output=JSON", path);
    const ProgramRun run = RunLumoraInfo("--json " + ShellQuote(path));
    const Json ours = Json::parse(run.out, nullptr, false)["details"];
    ASSERT_TRUE(ours.is_object()) << run.out;

    const Json& format = probe["format"];
    EXPECT_EQ(ours["format"]["name"], format["format_name"]);
    EXPECT_EQ(ours["format"]["long_name"], format["format_long_name"]);
    EXPECT_EQ(std::to_string(ours["format"]["size_bytes"].get<int64_t>()), format["size"]);
    EXPECT_NEAR(ours["format"]["duration_s"].get<double>(), Fraction(format["duration"]), 1e-6);
    EXPECT_EQ(ours["format"]["tags"], Tags(format));
    EXPECT_EQ(ours["format"]["brand"], Field(Tags(format), "major_brand"));
    EXPECT_EQ(ours["cut_short"], false);

    ASSERT_EQ(ours["chapters"].size(), probe["chapters"].size());
    for (size_t i = 0; i < ours["chapters"].size(); ++i) {
        const Json& chapter = probe["chapters"][i];
        EXPECT_NEAR(ours["chapters"][i]["start_s"].get<double>(), Fraction(chapter["start_time"]), 1e-6);
        EXPECT_NEAR(ours["chapters"][i]["end_s"].get<double>(), Fraction(chapter["end_time"]), 1e-6);
        EXPECT_EQ(ours["chapters"][i]["title"], Field(Tags(chapter), "title"));
    }
    ASSERT_EQ(ours["streams"].size(), probe["streams"].size());
    double frame = 0.05;  // one frame, or an audio frame where there is no picture
    for (const Json& stream : probe["streams"]) {
        if (stream["codec_type"] == "video" && Fraction(stream["avg_frame_rate"]) > 0) {
            frame = 1.0 / Fraction(stream["avg_frame_rate"]);
        }
    }
    const std::map<int, std::string> decoders = FfmpegDecoding(path);
    for (size_t i = 0; i < ours["streams"].size(); ++i)
        CompareStream(ours["streams"][i], probe["streams"][i], InfoTrack(info, static_cast<int>(i)), frame,
                      decoders);
}

INSTANTIATE_TEST_SUITE_P(Samples, Details, ::testing::ValuesIn(AllSamples()),
                         [](const ::testing::TestParamInfo<Sample>& info) { return TestNameOf(info.param); });

// x265 sends the HDR10 metadata with the first frame only: ffprobe sees it in -show_frames.
TEST(DetailsOfFirstFrames, Hdr10MetadataAsTheFirstFrameCarriesIt) {
    const std::string path = SamplePath("hdr10.mkv");
    if (path.empty()) GTEST_SKIP() << "ffmpeg could not make hdr10.mkv";
    const Json frames =
        Oracle("ffprobe -v quiet -of json -show_frames -read_intervals %+#1 -select_streams v:0", path);
    const Json ours =
        Json::parse(RunLumoraInfo("--json " + ShellQuote(path)).out)["details"]["streams"][0]["hdr"];
    int found = 0;
    for (const Json& side : frames["frames"][0]["side_data_list"]) {
        if (side.contains("max_luminance")) {
            EXPECT_DOUBLE_EQ(ours["mastering_display"]["max_luminance"].get<double>(),
                             Fraction(side["max_luminance"]));
            EXPECT_DOUBLE_EQ(ours["mastering_display"]["min_luminance"].get<double>(),
                             Fraction(side["min_luminance"]));
            ++found;
        }
        if (side.contains("max_content")) {
            EXPECT_EQ(ours["max_cll"], side["max_content"]);
            EXPECT_EQ(ours["max_fall"], side["max_average"]);
            ++found;
        }
    }
    EXPECT_EQ(found, 2);
    EXPECT_EQ(ours["format"], "HDR10");
}

}  // namespace
}  // namespace lumora::testing
