// lumora_info --catalogue, run as a program, against the ffmpeg tool's lists.
#include <gtest/gtest.h>

#include <sstream>

#include "app/page_text/drop_down_order.h"
#include "tests/integration/catalogue/ffmpeg_tool.h"
#include "tests/support/lumora_info_run.h"

namespace {

using lumora::testing::ProgramRun;
using lumora::testing::RunLumoraInfo;

TEST(LumoraInfoCatalogue, PrintsTheSevenListsUnderTheirLabelsInDropDownOrder) {
    if (!ffmpeg_tool::Available()) GTEST_SKIP() << "the ffmpeg tool is not installed";
    const ProgramRun outcome = RunLumoraInfo("--catalogue");
    ASSERT_EQ(outcome.status, 0);

    std::vector<std::string> labels;
    std::vector<std::vector<std::string>> sections;
    std::istringstream stream(outcome.out);
    for (std::string line; std::getline(stream, line);) {
        if (line.rfind("  ", 0) == 0) {
            ASSERT_FALSE(sections.empty()) << "a name before the first label";
            sections.back().push_back(line.substr(2));
        } else {
            labels.push_back(line);
            sections.emplace_back();
        }
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Видео кодеки:", "Аудио кодеки:", "Фильтры DirectShow:",
                                                "Устройства захвата видео:", "Устройства захвата аудио:",
                                                "TV тюнеры:", "Устройства аудиовывода:"}));
    ASSERT_EQ(sections.size(), 7u);

    std::vector<std::string> video, audio, filters;
    for (const auto& encoder : ffmpeg_tool::Encoders()) {
        const std::string name =
            encoder.description.empty() ? encoder.name : encoder.name + " \u2014 " + encoder.description;
        if (encoder.type == 'V') video.push_back(name);
        if (encoder.type == 'A') audio.push_back(name);
    }
    for (const auto& filter : ffmpeg_tool::Filters())
        filters.push_back(filter.name + " \u2014 " + filter.description);
    EXPECT_EQ(sections[0], DropDownOrder(video));
    EXPECT_EQ(sections[1], DropDownOrder(audio));
    EXPECT_EQ(sections[2], DropDownOrder(filters));
}

TEST(LumoraInfoCatalogue, UsageErrors) {
    EXPECT_EQ(RunLumoraInfo("--catalogue some.avi").status, 2);
    EXPECT_EQ(RunLumoraInfo("--catalog").status, 2);
    const ProgramRun help = RunLumoraInfo("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--catalogue"), std::string::npos);
}

}  // namespace
