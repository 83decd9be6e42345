// lumora_info --dvd on the paths a user may give, and proof that no VOB is opened.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>

#include "tests/integration/dvd/authored_volumes.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::testing;

using LumoraInfoDvd = AuthoredVolumes;

TEST_F(LumoraInfoDvd, AnyFileOfTheVolumeOrItsFolders) {
    const fs::path volume = Volume("pal_mixed");
    const ProgramRun reference = InfoDvd(volume);
    ASSERT_EQ(reference.status, 0);
    ASSERT_NE(reference.out, "");
    for (const fs::path& path : {volume / "VIDEO_TS/VIDEO_TS.IFO", volume / "VIDEO_TS/VIDEO_TS.BUP",
                                 volume / "VIDEO_TS/VTS_02_0.IFO", volume / "VIDEO_TS/VTS_03_0.BUP",
                                 volume / "VIDEO_TS", volume / "VIDEO_TS/", volume / "VIDEO_TS/.."}) {
        const ProgramRun result = InfoDvd(path);
        EXPECT_EQ(result.status, 0) << path;
        EXPECT_EQ(result.out, reference.out) << path;
    }
}

TEST_F(LumoraInfoDvd, NamesInAnyCase) {
    VolumeCopy copy(Volume("ntsc_mixed"), "lower");
    const fs::path lower = copy.Root() / "video_ts";
    fs::rename(copy.VideoTs(), lower);
    for (const auto& entry : fs::directory_iterator(lower)) {
        std::string name = entry.path().filename().string();
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        fs::rename(entry.path(), lower / name);
    }
    const ProgramRun reference = InfoDvd(Volume("ntsc_mixed"));
    EXPECT_EQ(InfoDvd(lower / "video_ts.ifo").out, reference.out);
    EXPECT_EQ(InfoDvd(copy.Root()).out, reference.out);
}

TEST_F(LumoraInfoDvd, NoVobIsOpened) {
    // Every VOB becomes a FIFO with no writer: opening one for reading would block until the
    // timeout ends the program.
    VolumeCopy copy(Volume("pal_mixed"), "fifos");
    for (const auto& entry : fs::directory_iterator(copy.VideoTs())) {
        if (entry.path().extension() != ".VOB") continue;
        fs::remove(entry.path());
        ASSERT_EQ(mkfifo(entry.path().c_str(), 0600), 0);
    }
    const ProgramRun result = InfoDvd(copy.Root());
    EXPECT_EQ(result.status, 0) << "124 means a VOB was opened";
    EXPECT_EQ(result.out, InfoDvd(Volume("pal_mixed")).out);
}

TEST_F(LumoraInfoDvd, UsageErrors) {
    EXPECT_EQ(RunLumoraInfo("--dvd").status, 2);
    EXPECT_EQ(RunLumoraInfo("--dvd=").status, 2);
    EXPECT_EQ(RunLumoraInfo("--dvd ''").status, 2);
    EXPECT_EQ(RunLumoraInfo("--dvd a --dvd b").status, 2);
    EXPECT_EQ(RunLumoraInfo("--dvd a file.avi").status, 2);
    const ProgramRun help = RunLumoraInfo("--help");
    EXPECT_NE(help.out.find("--dvd PATH"), std::string::npos);
}

// SIGINT, SIGTERM or SIGHUP at any moment of a reading leaves none of its private folders.
TEST_F(LumoraInfoDvd, ASignalDuringAReadingLeavesNothingBehind) {
    const TempDir runtime;
    const std::string run =
        " env XDG_RUNTIME_DIR=" + ShellQuote(runtime.Path().string()) + " " +
        LumoraInfoCommand("--dvd " + ShellQuote(Volume("pal_mixed").string()) + " >/dev/null");
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunProgram("timeout 20" + run).status, 0);
    const auto whole = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::mt19937 random(20);
    for (const char* signal : {"INT", "TERM", "HUP"})
        for (int i = 0; i < 34; ++i)
            RunProgram("timeout -s " + std::string(signal) + " " +
                       std::to_string(whole * (random() % 1000) / 1000) + run);
    EXPECT_TRUE(fs::is_empty(runtime.Path()));
}

}  // namespace
