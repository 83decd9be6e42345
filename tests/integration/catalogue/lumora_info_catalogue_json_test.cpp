// lumora_info --catalogue --json read back and compared with the text it prints of the same lists.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>

#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

using json = nlohmann::ordered_json;  // keeps the lists in their order

TEST(LumoraInfoCatalogueJson, HoldsTheTextsListsEntrySplitIntoNameAndLongName) {
    const ProgramRun text = RunLumoraInfo("--catalogue");
    const ProgramRun run = RunLumoraInfo("--catalogue --json");
    ASSERT_EQ(text.status, 0);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(RunLumoraInfo("--catalogue -of json").out == run.out) << "-of json is --json";
    const json catalogue = json::parse(run.out);
    EXPECT_EQ(catalogue.at("lumora_json"), 1);
    EXPECT_EQ(catalogue.at("ok"), true);
    std::vector<std::string> keys;
    std::string rebuilt;
    for (const auto& [key, list] : catalogue.at("lists").items()) {
        keys.push_back(key);
        rebuilt += list.at("label").get<std::string>() + "\n";
        for (const json& entry : list.at("entries")) {
            const json& longName = entry.at("long_name");
            rebuilt += "  " + entry.at("name").get<std::string>() +
                       (longName.is_null() ? "" : " \u2014 " + longName.get<std::string>()) + "\n";
        }
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"video_codecs", "audio_codecs", "directshow_filters",
                                              "video_capture_devices", "audio_capture_devices", "tv_tuners",
                                              "audio_output_devices"}));
    EXPECT_TRUE(rebuilt == text.out) << "the JSON lists differ from the text";
    EXPECT_FALSE(catalogue.at("lists").at("video_codecs").at("entries").empty());
}

// Each hardware encoder is probed once, in a bounded child; on a machine without a GPU (as CI
// machines are) none opens, and each says why, all of them together well within a second.
TEST(LumoraInfoCatalogueJson, HardwareEncodersSayWhetherTheyOpenHere) {
    if (std::filesystem::exists("/dev/dri") || std::filesystem::exists("/dev/nvidia0"))
        GTEST_SKIP() << "this machine has a GPU";
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = RunLumoraInfo("--catalogue --json");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    const json catalogue = json::parse(run.out);
    std::set<std::string> probed;
    for (const auto& [key, list] : catalogue.at("lists").items())
        for (const json& entry : list.at("entries"))
            if (entry.contains("usable")) {
                probed.insert(entry.at("name"));
                EXPECT_EQ(entry.at("usable"), false) << entry;
                EXPECT_TRUE(entry.at("reason").is_string()) << entry;
            }
    for (const char* hardware : {"h264_vaapi", "hevc_nvenc", "h264_qsv", "h264_v4l2m2m"})
        EXPECT_TRUE(probed.contains(hardware)) << hardware;
    EXPECT_FALSE(probed.contains("libx264"));
    EXPECT_EQ(RunLumoraInfo("--catalogue").out.find("Доступен"), std::string::npos) << "the page's lines";
}

TEST(LumoraInfoCatalogueJson, AFailedWriteEndsWithOneErrorLine) {
    for (const std::string& form : {std::string("--catalogue"), std::string("--catalogue --json")}) {
        const ProgramRun run = RunLumoraInfo(form + " >/dev/full");
        EXPECT_EQ(run.status, 1) << form;
        EXPECT_EQ(run.err, "lumora_info: write error: No space left on device\n") << form;
    }
}

}  // namespace
}  // namespace lumora::testing
