// lumora_info over folders and many files: the walk, threads, progress, failures and write errors.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tests/integration/media/media_samples.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> JsonPaths(const std::string& jsonLines) {
    std::vector<std::string> paths;
    for (const std::string& line : Lines(jsonLines))
        paths.push_back(nlohmann::json::parse(line).at("path").get<std::string>());
    return paths;
}

// A tree with what a walk meets: media in nested folders, a link to a file, a link to a folder,
// a link that loops back up, a dangling link, a FIFO and a folder that cannot be read (when the
// permissions can be made to hold for the user running the tests).
class LumoraInfoTree : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string avi = SamplePath("xvid_pcm.avi"), wav = SamplePath("pcm16.wav"),
                          mp4 = SamplePath("ntsc.mp4");
        if (avi.empty() || wav.empty() || mp4.empty()) GTEST_SKIP() << "no samples (ffmpeg missing?)";
        root_ = dir_.Path() / "tree";
        fs::create_directories(root_ / "a/b");
        fs::create_directories(root_ / "c");
        fs::copy_file(avi, root_ / "a/one.avi");
        fs::copy_file(wav, root_ / "a/b/two.wav");
        fs::copy_file(mp4, root_ / "c/three.mp4");
        fs::create_symlink("../a/one.avi", root_ / "c/link.avi");
        fs::create_directory_symlink("../a", root_ / "c/folder_link");
        fs::create_directory_symlink("..", root_ / "a/b/up");
        fs::create_symlink("nowhere", root_ / "c/dangling.avi");
        ASSERT_EQ(::mkfifo((root_ / "c/fifo.avi").c_str(), 0600), 0);
        prefix_ = PermissionsHoldPrefix();
        if (prefix_) {
            fs::create_directories(root_ / "locked");
            fs::copy_file(wav, root_ / "locked/hidden.wav");
            fs::permissions(root_ / "locked", fs::perms::none);
        }
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(root_ / "locked", fs::perms::owner_all, ignored);
    }

    ProgramRun Info(const std::string& arguments) const {
        return RunLumoraInfo(arguments, prefix_.value_or(""));
    }
    std::string Root() const { return root_.string(); }

    TempDir dir_;
    fs::path root_;
    std::optional<std::string> prefix_;
};

TEST_F(LumoraInfoTree, AFolderGivesItsRegularFilesSortedFollowingOnlyLinksToFiles) {
    const ProgramRun run = Info("--json " + ShellQuote(Root()));
    EXPECT_EQ(JsonPaths(run.out),
              (std::vector<std::string>{Root() + "/a/b/two.wav", Root() + "/a/one.avi",
                                        Root() + "/c/link.avi", Root() + "/c/three.mp4"}));
    if (!prefix_) {
        EXPECT_EQ(run.status, 0);
        GTEST_SKIP() << "SKIPPED LOUDLY: root cannot drop the capabilities that override permissions, so the "
                        "unreadable folder was left out";
    }
    EXPECT_EQ(run.status, 1) << "an unreadable folder is a failure";
    EXPECT_EQ(run.err, "lumora_info: " + Root() + "/locked: Permission denied\n");
}

TEST_F(LumoraInfoTree, IncludeAndExcludeFilterNamesInFolders) {
    const std::string tree = ShellQuote(Root() + "/a") + " " + ShellQuote(Root() + "/c");
    EXPECT_EQ(JsonPaths(Info("--json --include '*.avi' --include '*.wav' --exclude 'link*' " + tree).out),
              (std::vector<std::string>{Root() + "/a/b/two.wav", Root() + "/a/one.avi"}));
    EXPECT_EQ(JsonPaths(Info("--json --exclude='*.mp4' --include=*.mp4 " + ShellQuote(Root() + "/c")).out),
              std::vector<std::string>{});
}

TEST_F(LumoraInfoTree, OneThreadAndFourGiveTheSameBytes) {
    // Failures, a file named twice and a folder among the arguments, in both output forms.
    const std::string arguments =
        ShellQuote(Root()) + " /nonexistent.avi " + ShellQuote(Root() + "/a/one.avi") + " " +
        ShellQuote(Root() + "/c/fifo.avi") + " " + ShellQuote(Root() + "/a/one.avi");
    for (const std::string& form : {std::string(), std::string("--json ")}) {
        const ProgramRun one = Info(form + "-j 1 " + arguments);
        const ProgramRun four = Info(form + "--jobs 4 " + arguments);
        EXPECT_EQ(one.status, 1);
        EXPECT_EQ(four.status, 1);
        EXPECT_EQ(one.out, four.out) << form;
        EXPECT_EQ(one.err, four.err) << form;
        const std::vector<std::string> lines = Lines(one.out);
        const auto isHeader = [](const std::string& line) { return line.starts_with("==> "); };
        const size_t headers =
            form.empty() ? std::count_if(lines.begin(), lines.end(), isHeader) : lines.size();
        EXPECT_EQ(headers, 8u) << one.out;
    }
}

TEST_F(LumoraInfoTree, EverySpellingOfTheOutputFormatGivesTheSameBytes) {
    const std::string files = " " + ShellQuote(Root()) + " /nonexistent.avi";
    for (const auto& [form, same] : {std::pair{"-of json", "--json"},
                                     {"--output-format=json", "--json"},
                                     {"--json -of=text", "-j 1"},
                                     {"-of full", "--full"}}) {
        const ProgramRun run = Info(form + files), expected = Info(same + files);
        EXPECT_EQ(run.out + run.err, expected.out + expected.err) << form;
    }
    const ProgramRun unknown = RunLumoraInfo("-of xml /nonexistent.avi");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(
        unknown.err,
        "lumora_info: unknown output format 'xml' (formats: text, json, full)\nTry 'lumora_info --help'.\n");
}

TEST(LumoraInfoFiles, JobsOutOfRangeAreUsageErrors) {
    for (const std::string jobs : {"-j 0", "-j 257", "-j x", "--jobs=", "-j"}) {
        const ProgramRun run = RunLumoraInfo(jobs + " /nonexistent.avi");
        EXPECT_EQ(run.status, 2) << jobs;
        EXPECT_EQ(run.out, "") << jobs;
    }
    EXPECT_EQ(RunLumoraInfo("-j256 /nonexistent.avi").status, 1);
}

TEST(LumoraInfoFiles, ProgressBarOnlyOnATerminalAndForSeveralFiles) {
    const std::string wav = SamplePath("pcm16.wav");
    if (wav.empty()) GTEST_SKIP() << "no sample";
    if (!HaveTool("script")) GTEST_SKIP() << "SKIPPED LOUDLY: script (bsdutils) is missing";
    const std::string files = ShellQuote(wav) + " " + ShellQuote(wav) + " " + ShellQuote(wav);
    // script runs the command on a pseudo-terminal and copies what reaches it.
    const auto onTerminal = [](const std::string& arguments) {
        return RunProgram("script -qc " + ShellQuote(LumoraInfoCommand(arguments)) + " /dev/null").out;
    };
    const std::string drawn = onTerminal(files + " >/dev/null");
    EXPECT_NE(drawn.find("0/3   0%"), std::string::npos) << "drawn at once: " << drawn;
    EXPECT_NE(drawn.find(" files/s "), std::string::npos) << drawn;
    EXPECT_TRUE(drawn.ends_with("\r\x1b[K")) << "erased at the end: " << drawn;
    EXPECT_EQ(onTerminal("--no-progress " + files + " >/dev/null"), "");
    EXPECT_EQ(onTerminal(ShellQuote(wav) + " >/dev/null"), "");
    const ProgramRun piped = RunLumoraInfo(files + " 2>&1 | cat");
    EXPECT_EQ(piped.out.find("files/s"), std::string::npos);
    EXPECT_EQ(onTerminal(files + " 2>/dev/null").find("files/s"), std::string::npos)
        << "never on standard output";
    const std::string checked = onTerminal("--verify " + ShellQuote(wav) + " >/dev/null");
    EXPECT_NE(checked.find(" MB/s "), std::string::npos)
        << "the check counts bytes, for one file too: " << checked;
    EXPECT_TRUE(checked.ends_with("\r\x1b[K")) << checked;
}

TEST(LumoraInfoFiles, AFailedWriteEndsWithOneErrorLine) {
    const std::string wav = SamplePath("pcm16.wav");
    if (wav.empty()) GTEST_SKIP() << "no sample";
    for (const std::string& arguments :
         std::vector<std::string>{ShellQuote(wav), "--json " + ShellQuote(wav) + " " + ShellQuote(wav),
                                  "-j 2 " + ShellQuote(wav) + " " + ShellQuote(wav), "--help", "--version"}) {
        const ProgramRun run = RunLumoraInfo(arguments + " >/dev/full");
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err, "lumora_info: write error: No space left on device\n") << arguments;
    }
}

// A reader that goes away ends lumora_info quietly as cat and grep end, whether SIGPIPE was
// ignored when it started or not; what the reader got is whole lines.
TEST(LumoraInfoFiles, AClosedPipeEndsItQuietly) {
    const std::string wav = SamplePath("pcm16.wav");
    if (wav.empty()) GTEST_SKIP() << "no sample";
    const TempDir dir;
    for (int i = 0; i < 300; ++i)
        fs::create_hard_link(wav, dir.Path() / ("f" + std::to_string(i) + ".wav"));
    for (const std::string start : {"", "trap '' PIPE; "}) {
        const ProgramRun run =
            RunProgram("{ " + start + LumoraInfoCommand("--json -j 2 " + ShellQuote(dir.Path().string())) +
                       "; echo \"status $?\" >&2; } | head -1");
        EXPECT_EQ(run.err, "status 141\n") << start;
        EXPECT_EQ(nlohmann::json::parse(run.out).at("ok"), true) << run.out;
    }
}

// A file met in a folder that is gone by its turn is left out, as the walk leaves out what
// vanishes (one named on the command line is reported: see the next test).
TEST(LumoraInfoFiles, AFileGoneFromAFolderBeforeItsAnalysisIsLeftOut) {
    const std::string wav = SamplePath("pcm16.wav");
    if (wav.empty()) GTEST_SKIP() << "no sample";
    const TempDir dir;
    for (int i = 0; i < 100; ++i)
        fs::create_hard_link(wav, dir.Path() / ("f" + std::to_string(i) + ".wav"));
    // The last file is removed once the first is written.
    const ProgramRun run =
        RunProgram("{ " + LumoraInfoCommand("--json -j 1 " + ShellQuote(dir.Path().string())) +
                   "; echo \"status $?\" >&2; } | { read -r first; rm " +
                   ShellQuote((dir.Path() / "f99.wav").string()) + "; echo \"$first\"; cat; }");
    EXPECT_EQ(run.err, "status 0\n");
    EXPECT_EQ(Lines(run.out).size(), 99u);
    EXPECT_EQ(run.out.find("f99.wav"), std::string::npos);
}

TEST(LumoraInfoFiles, EachFailedFileGetsItsReasonOnStandardError) {
    const auto prefix = PermissionsHoldPrefix();
    if (!prefix)
        GTEST_SKIP() << "SKIPPED LOUDLY: root cannot drop the capabilities that override permissions";
    TempDir dir;
    const fs::path root = dir.Path();
    const std::string locked = dir.File("locked.avi", "RIFF");
    fs::permissions(locked, fs::perms::none);
    fs::create_directory(root / "closed");
    dir.File("closed/inside.avi", "RIFF");
    fs::permissions(root / "closed", fs::perms::owner_read);
    fs::create_symlink("loop_b", root / "loop_a");
    fs::create_symlink("loop_a", root / "loop_b");
    ASSERT_EQ(::mkfifo((root / "fifo.avi").c_str(), 0600), 0);
    std::string noise(4096, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    const struct {
        std::string path;
        std::string marker;
        std::string reason;
    } cases[] = {
        {(root / "missing.avi").string(), "FILE NOT FOUND", "No such file or directory"},
        {locked, "ERROR", "Permission denied"},
        {(root / "closed/inside.avi").string(), "FILE NOT FOUND", "Permission denied"},
        {(root / "loop_a").string(), "FILE NOT FOUND", "Too many levels of symbolic links"},
        {(root / std::string(300, 'n')).string(), "FILE NOT FOUND", "File name too long"},
        {dir.File("text.avi", "not a video at all"), "ERROR", "not a media file"},
        {dir.File("noise.bin", noise), "ERROR", "not a media file"},
        {(root / "fifo.avi").string(), "ERROR", "not a regular file"},
        {dir.File("list.m3u8",
                  "#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\nsegment.ts\n#EXT-X-ENDLIST\n"),
         "ERROR", "container not allowed: hls"},
    };
    std::string arguments, expectedErr;
    for (const auto& c : cases) {
        arguments += " " + ShellQuote(c.path);
        expectedErr += "lumora_info: " + c.path + ": " + c.reason + "\n";
    }
    const ProgramRun run = RunLumoraInfo(arguments, *prefix + "timeout 20 ");
    const ProgramRun json = RunLumoraInfo("--json" + arguments, *prefix + "timeout 20 ");
    fs::permissions(root / "closed", fs::perms::owner_all);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, expectedErr);
    std::vector<std::string> markers;
    for (const std::string& line : Lines(run.out))
        if (line == "FILE NOT FOUND" || line == "ERROR") markers.push_back(line);
    ASSERT_EQ(markers.size(), std::size(cases)) << run.out;
    for (size_t i = 0; i < markers.size(); ++i)
        EXPECT_EQ(markers[i], cases[i].marker) << cases[i].path;

    const std::vector<std::string> lines = Lines(json.out);
    ASSERT_EQ(lines.size(), std::size(cases)) << json.out;
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(nlohmann::json::parse(lines[i]).at("reason"), cases[i].reason) << cases[i].path;
}

TEST(LumoraInfoFiles, EveryHeaderIsOneLineThatMapsBackToOneName) {
    const std::string wav = SamplePath("pcm16.wav");
    if (wav.empty()) GTEST_SKIP() << "no sample";
    TempDir dir;
    // Names and their headers: a newline apart from a backslash and an n, bidirectional controls
    // escaped, bytes that are not UTF-8 as they are.
    const std::string names[][2] = {
        {"a\nb\tc\033d.wav", "a\\nb\\tc\\x1bd.wav"},
        {"a\\nb.wav", "a\\\\nb.wav"},
        {"e\xff.wav", "e\xff.wav"},
        {"f\u202Eg\u0085h\u2066i\u061C.wav", "f\\u202eg\\u0085h\\u2066i\\u061c.wav"}};
    std::string arguments, expected, headers;
    for (const auto& [name, header] : names) {
        fs::copy_file(wav, dir.Path() / name);
        arguments += " " + ShellQuote((dir.Path() / name).string());
        expected += "==> " + dir.Path().string() + "/" + header + " <==\n";
    }
    const ProgramRun run = RunLumoraInfo(arguments);
    EXPECT_EQ(run.status, 0);
    for (const std::string& line : Lines(run.out))
        if (line.starts_with("==> ")) headers += line + "\n";
    EXPECT_EQ(headers, expected);

    const std::string tricky = (dir.Path() / names[0][0]).string(),
                      notUtf8 = (dir.Path() / names[2][0]).string();
    const std::vector<std::string> lines =
        Lines(RunLumoraInfo("--json " + ShellQuote(tricky) + " " + ShellQuote(notUtf8)).out);
    ASSERT_EQ(lines.size(), 2u);
    const nlohmann::json first = nlohmann::json::parse(lines[0]), second = nlohmann::json::parse(lines[1]);
    EXPECT_EQ(first.at("path"), tricky);
    EXPECT_FALSE(first.contains("path_bytes"));
    EXPECT_EQ(second.at("path"), dir.Path().string() + "/e\uFFFD.wav");
    std::string hex;
    for (const char c : notUtf8) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        hex += digits;
    }
    EXPECT_EQ(second.at("path_bytes"), hex);
}

TEST(LumoraInfoFiles, HelpListsTheOptionsOfTheManPage) {
    // In the man page an option is the first line after .TP; in the help, a line's first words.
    std::ifstream manPage(LUMORA_INFO_MAN_PAGE);
    std::set<std::string> manOptions, helpOptions;
    const std::regex option(R"((^|[ ,"])(--?[a-z][a-z-]*))");
    bool next = false;
    for (std::string line; std::getline(manPage, line); next = line == ".TP") {
        line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
        if (!next || !line.starts_with(".B")) continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), option); it != std::sregex_iterator();
             ++it)
            manOptions.insert((*it)[2]);
    }
    for (const std::string& line : Lines(RunLumoraInfo("--help").out)) {
        if (!line.starts_with("  -")) continue;
        const std::string names = line.substr(0, line.find("  ", 2));
        for (auto it = std::sregex_iterator(names.begin(), names.end(), option); it != std::sregex_iterator();
             ++it)
            helpOptions.insert((*it)[2]);
    }
    EXPECT_GE(manOptions.size(), 9u);
    EXPECT_EQ(helpOptions, manOptions);
}

}  // namespace
}  // namespace lumora::testing
