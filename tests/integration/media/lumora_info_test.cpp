// The command-line program, run as a user runs it.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/integration/media/media_samples.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

TEST(LumoraInfo, OneFilePrintsThePageLinesOnly) {
    const std::string sample = SamplePath("xvid_pcm.avi");
    if (sample.empty()) GTEST_SKIP() << "no sample";
    const ProgramRun run = RunLumoraInfo("-- " + ShellQuote(sample));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("********* ВИДЕО *********\nКодек: XVID MPEG-4\n", 0), 0u) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 19);
}

TEST(LumoraInfo, SeveralFilesGetHeadersAndAFailureSetsTheStatus) {
    const std::string wav = SamplePath("pcm16.wav");
    if (wav.empty()) GTEST_SKIP() << "no sample";
    const ProgramRun run = RunLumoraInfo(ShellQuote(wav) + " /nonexistent.avi");
    EXPECT_EQ(run.status, 1);
    const std::string second = "\n==> /nonexistent.avi <==\n********* ВИДЕО *********\n";
    EXPECT_EQ(run.out.rfind("==> " + wav + " <==\n", 0), 0u);
    EXPECT_NE(run.out.find(second), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("Число кадров: 0\nFILE NOT FOUND\n")) << run.out;
}

TEST(LumoraInfo, UsageErrorsHelpAndVersion) {
    ProgramRun run = RunLumoraInfo("");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
    run = RunLumoraInfo("--frobnicate x.avi");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--frobnicate"), std::string::npos);
    run = RunLumoraInfo("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: lumora_info"), std::string::npos);
    run = RunLumoraInfo("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("lumora_info ", 0), 0u);
}

TEST(LumoraInfo, DecimalSeparatorComesFromTheLocale) {
    const std::string sample = SamplePath("ntsc.mp4");
    if (sample.empty()) GTEST_SKIP() << "no sample";
    TempDir locales;
    const std::string folder = ShellQuote(locales.Path().string());
    if (!RunCommand("localedef -i ru_RU -f UTF-8 " + folder + "/ru_RU.UTF-8 >/dev/null 2>&1"))
        GTEST_SKIP() << "localedef could not build ru_RU.UTF-8";
    const ProgramRun run = RunLumoraInfo(ShellQuote(sample), "LOCPATH=" + folder + " LC_ALL=ru_RU.UTF-8 ");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Частота кадров: 29,97002997003\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace lumora::testing
