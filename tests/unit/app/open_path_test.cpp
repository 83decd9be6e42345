// The pure parts of opening media from outside the window: which page a path belongs on, the path
// a drop names, and what lumora_demo's command line asks for.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/dropped_path.h"
#include "app/dvd_volume_path.h"
#include "app/start_up.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using lumora::testing::TempDir;

class DvdVolumePath : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder :
             {"vol/VIDEO_TS", "lower/video_ts", "Mixed/Video_Ts", "plain", "other", "folder.iso"})
            fs::create_directories(dir_.Path() / folder);
        for (const char* file :
             {"vol/VIDEO_TS/VIDEO_TS.IFO", "vol/VIDEO_TS/VTS_01_0.BUP", "vol/VIDEO_TS/VTS_01_1.VOB",
              "lower/video_ts/vts_01_0.ifo", "plain/film.avi", "plain/loose.Ifo", "other/VIDEO_TS",
              "disc.iso", "DISC2.ISO", "notes.iso.txt", "caf\xe9.iso", "iso"})
            dir_.File(file);
        fs::create_directory_symlink(dir_.Path() / "vol", dir_.Path() / "link");
        ::mkfifo((dir_.Path() / "fifo.iso").c_str(), 0600);
    }

    bool Dvd(const std::string& relative) const { return IsDvdVolumePath((dir_.Path() / relative).string()); }

    TempDir dir_;
};

TEST_F(DvdVolumePath, TellsAVolumeByWhatThePathIs) {
    const struct {
        const char* path;
        bool dvd;
    } cases[] = {
        {"vol", true},                        // the folder that holds VIDEO_TS
        {"vol/VIDEO_TS", true},               // VIDEO_TS itself
        {"vol/VIDEO_TS/", true},              // with a trailing separator
        {"vol/VIDEO_TS/.", true},             // named through "."
        {"vol/VIDEO_TS/VIDEO_TS.IFO", true},  // an information file
        {"vol/VIDEO_TS/VTS_01_0.BUP", true},  // its backup copy
        {"vol/VIDEO_TS/VTS_01_1.VOB", false},
        {"lower", true},  // names in any letter case
        {"lower/video_ts", true},
        {"lower/video_ts/vts_01_0.ifo", true},
        {"Mixed", true},
        {"link", true},             // a link to a volume
        {"plain/loose.Ifo", true},  // an .ifo outside a volume goes to the DVD page too
        {"plain", false},           // a folder of other files
        {"plain/film.avi", false},
        {"other", false},  // VIDEO_TS there is a file, not a folder
        {"disc.iso", true},
        {"DISC2.ISO", true},
        {"caf\xe9.iso", true},  // a name that is not UTF-8
        {"notes.iso.txt", false},
        {"iso", false},
        {"folder.iso", false},   // a folder named like an image
        {"fifo.iso", false},     // not a regular file: never read
        {"missing.iso", false},  // the file page says it is missing
        {"vol/missing.IFO", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Dvd(c.path), c.dvd) << c.path;
    EXPECT_FALSE(IsDvdVolumePath(""));
    EXPECT_FALSE(IsDvdVolumePath("/dev/null"));
}

TEST_F(DvdVolumePath, ABlockDeviceIsADrive) {
    const fs::path node = dir_.Path() / "sr0";
    if (::mknod(node.c_str(), S_IFBLK | 0600, makedev(7, 200)) != 0)
        GTEST_SKIP() << "SKIPPED LOUDLY: cannot make a block device node here";
    EXPECT_TRUE(IsDvdVolumePath(node.string()));
}

TEST(FirstLocalPathOfUriList, TakesTheFirstUriAsBytes) {
    const struct {
        const char* list;
        std::optional<std::string> path;
    } cases[] = {
        {"file:///media/film.avi\r\n", "/media/film.avi"},
        {"file:///media/caf%E9%20film.avi", "/media/caf\xe9 film.avi"},
        {"file:///media/%D0%BA%D0%B8%D0%BD%D0%BE.mkv", "/media/кино.mkv"},
        {"file://localhost/media/a", "/media/a"},
        {"FILE://Desk/media/a", "/media/a"},
        {"file:/media/a", "/media/a"},
        {"  file:///media/a  \n", "/media/a"},
        {"# a comment\r\nfile:///first\r\nfile:///second\r\n", "/first"},
        {"file:///first\r\nhttp://example.com/second", "/first"},
        {"http://example.com/film.avi\r\nfile:///second", std::nullopt},
        {"file://elsewhere/media/a", std::nullopt},
        {"file://", std::nullopt},
        {"file:relative/a", std::nullopt},
        {"file:///media/%4", std::nullopt},
        {"file:///media/%zz", std::nullopt},
        {"file:///media/a%00b", std::nullopt},
        {"", std::nullopt},
        {"\r\n# nothing\r\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstLocalPathOfUriList(c.list, "desk"), c.path) << c.list;
}

std::optional<std::string> CwdPlus(const std::string& tail) {
    return fs::current_path().string() + "/" + tail;
}

TEST(ParseCommandLine, OnePathMadeAbsolute) {
    const struct {
        std::vector<const char*> arguments;
        std::optional<std::string> path;
        std::optional<int> exitStatus;
        bool message;
    } cases[] = {
        {{}, std::nullopt, std::nullopt, false},
        {{"/media/film.avi"}, "/media/film.avi", std::nullopt, false},
        {{"film.avi"}, CwdPlus("film.avi"), std::nullopt, false},
        {{"./dvd/./VIDEO_TS/"}, CwdPlus("dvd/VIDEO_TS"), std::nullopt, false},
        {{"../up"}, CwdPlus("../up"), std::nullopt, false},
        {{"caf\xe9.avi"}, CwdPlus("caf\xe9.avi"), std::nullopt, false},
        {{"/a", "/b"}, "/a", std::nullopt, true},
        {{"--", "-film.avi"}, CwdPlus("-film.avi"), std::nullopt, false},
        {{"--help"}, std::nullopt, 0, true},
        {{"-x"}, std::nullopt, 2, true},
        {{""}, std::nullopt, 2, true},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"lumora_demo"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine commandLine = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        const std::string label = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(commandLine.path, c.path) << label;
        EXPECT_EQ(commandLine.exitStatus, c.exitStatus) << label;
        EXPECT_EQ(!commandLine.message.empty(), c.message) << label;
    }
}

}  // namespace
