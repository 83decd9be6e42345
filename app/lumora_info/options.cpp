#include "app/lumora_info/options.h"

#include <charconv>
#include <cstdio>

#include "app/lumora_info/exit_status.h"
#include "app/lumora_info/output.h"

namespace {

// Kept in step with docs/man/lumora_info.1.
constexpr char kUsage[] =
    "Usage: lumora_info [OPTION]... FILE|FOLDER...\n"
    "       lumora_info [-of FORMAT] --dvd PATH\n"
    "       lumora_info [OPTION]... --verify FILE|FOLDER...\n"
    "       lumora_info [-of FORMAT] --catalogue\n"
    "Prints what Lumora's file page shows for each media file, with --dvd what its DVD page shows,\n"
    "or with --catalogue what its filters and codecs page lists.\n"
    "\n"
    "  -of, --output-format FORMAT\n"
    "                  print as FORMAT: text (the page's lines, the default), json (one object\n"
    "                  per line for each file, JSON Lines written as each file is done; one\n"
    "                  object for --dvd and --catalogue) or full (every fact of each file: its\n"
    "                  container, streams, chapters and tags, in sections; with --dvd every\n"
    "                  fact of the volume and of each title: chapters, cells, streams, palette)\n"
    "  --json          the same as -of json\n"
    "  --full          the same as -of full\n"
    "  -j, --jobs N    analyse N files at a time, 1 to 256 (default: one per core)\n"
    "  --include GLOB  in folders, analyse only files whose name matches GLOB; repeatable\n"
    "  --exclude GLOB  in folders, skip files whose name matches GLOB; repeatable, wins over\n"
    "                  --include\n"
    "  --no-progress   show no progress bar (otherwise shown on standard error when that is a\n"
    "                  terminal and more than one file is analysed)\n"
    "  --dvd PATH      print what the DVD page shows for the DVD-Video volume at PATH (one of its\n"
    "                  .ifo or .bup files, its VIDEO_TS folder or the folder holding that, a disc\n"
    "                  image or a drive's device): each title's line, then the video, audio and\n"
    "                  subtitle lines of that title, indented\n"
    "  --verify        decode every packet of every stream of each file, as a player would, and\n"
    "                  print \"ok\" or the decoding errors with their times, timestamps that go\n"
    "                  back and whether the file ends before its stated duration (full: every\n"
    "                  stream's counts; json: a \"verify\" object); the progress bar counts bytes\n"
    "  --catalogue     list the seven lists of the filters and codecs page, each under its label\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "A FOLDER is walked recursively: regular files only, sorted by path, symbolic links to files\n"
    "followed, links to folders not. The output keeps the order of the arguments and of the walk.\n"
    "A failed file also gets one line on standard error with the reason.\n"
    "\n"
    "Exit status: 0 when every file was analysed (or checked without an error), the volume or the\n"
    "catalogue was read; 1 when an analysis failed, a checked file has errors, a folder could not\n"
    "be read, PATH is no DVD-Video volume, the catalogue could not be read or standard output could\n"
    "not be written; 2 on a usage error.\n"
    "\n"
    "Full documentation: man lumora_info\n";

ParsedCommandLine Exit(int status) { return {std::nullopt, status}; }

ParsedCommandLine UsageError(const std::string& message) {
    std::fprintf(stderr, "lumora_info: %s\nTry 'lumora_info --help'.\n", message.c_str());
    return Exit(kExitUsage);
}

ParsedCommandLine Print(const std::string& text) {
    Output out;
    out.Write(text);
    return Exit(out.Finish() ? kExitOk : kExitFailed);
}

std::optional<unsigned> ParseJobs(const std::string& text) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || value < 1 || value > kMaxJobs) return std::nullopt;
    return value;
}

// An option that takes a value: "--name VALUE" or "--name=VALUE", and a short name's "-j N" or
// "-jN" (one letter) or "-of FORMAT" or "-of=FORMAT" (longer).
class ValueOption {
public:
    ValueOption(int argc, char** argv, int& i) : argc_(argc), argv_(argv), i_(i) {}

    bool Matches(const std::string& argument, const std::string& name, const std::string& shortName = "") {
        if (argument == name || (!shortName.empty() && argument == shortName)) {
            if (i_ + 1 >= argc_) {
                missing_ = name;
                return true;
            }
            value_ = argv_[++i_];
            return true;
        }
        if (argument.rfind(name + "=", 0) == 0) {
            value_ = argument.substr(name.size() + 1);
            return true;
        }
        const std::string attached = shortName.size() == 2 ? shortName : shortName + "=";
        if (!shortName.empty() && argument.rfind(attached, 0) == 0) {
            value_ = argument.substr(attached.size());
            return true;
        }
        return false;
    }
    const std::string& Missing() const { return missing_; }
    const std::string& Value() const { return value_; }

private:
    int argc_;
    char** argv_;
    int& i_;
    std::string value_;
    std::string missing_;
};

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, char** argv) {
    InfoOptions options;
    std::vector<std::string> volumes;
    bool catalogue = false;
    bool verify = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        ValueOption value(argc, argv, i);
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            options.paths.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return Print(kUsage);
        } else if (argument == "--version") {
            return Print(std::string("lumora_info ") + LUMORA_VERSION + "\n");
        } else if (argument == "--catalogue") {
            catalogue = true;
        } else if (argument == "--verify") {
            verify = true;
        } else if (argument == "--json" || argument == "--full") {
            options.writer = FindWriter(argument.substr(2));
        } else if (argument == "--no-progress") {
            options.progress = false;
        } else if (value.Matches(argument, "--output-format", "-of")) {
            if (!value.Missing().empty()) return UsageError("option '--output-format' needs a FORMAT");
            options.writer = FindWriter(value.Value());
            if (!options.writer)
                return UsageError("unknown output format '" + value.Value() + "' (formats: " + WriterNames() +
                                  ")");
        } else if (value.Matches(argument, "--dvd")) {
            if (!value.Missing().empty() || value.Value().empty())
                return UsageError("option '--dvd' needs a PATH");
            volumes.push_back(value.Value());
        } else if (value.Matches(argument, "--jobs", "-j")) {
            if (!value.Missing().empty()) return UsageError("option '--jobs' needs a number");
            const auto jobs = ParseJobs(value.Value());
            if (!jobs)
                return UsageError("'--jobs' takes a number from 1 to 256, not '" + value.Value() + "'");
            options.jobs = *jobs;
        } else if (value.Matches(argument, "--include")) {
            if (!value.Missing().empty()) return UsageError("option '--include' needs a GLOB");
            options.include.push_back(value.Value());
        } else if (value.Matches(argument, "--exclude")) {
            if (!value.Missing().empty()) return UsageError("option '--exclude' needs a GLOB");
            options.exclude.push_back(value.Value());
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }
    const int modes = (options.paths.empty() ? 0 : 1) + (volumes.empty() ? 0 : 1) + (catalogue ? 1 : 0);
    if (volumes.size() > 1) return UsageError("only one '--dvd' PATH at a time");
    if (modes > 1) return UsageError("give files, '--dvd PATH' or '--catalogue', not several of them");
    if (modes == 0) return UsageError("no file given");
    if (verify && options.paths.empty())
        return UsageError("'--verify' checks files, not '--dvd' or '--catalogue'");
    if (verify) options.mode = InfoMode::Verify;
    if (catalogue) options.mode = InfoMode::Catalogue;
    if (!volumes.empty()) {
        options.mode = InfoMode::Dvd;
        options.paths = volumes;
    }
    return {std::move(options), kExitOk};
}
