// lumora_info: prints, as text, what the window's pages show.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/lumora_info/commands.h"
#include "mediainfo/lumoram.h"
#include "platform/com.h"
#include "platform/user_locale.h"

namespace {

constexpr char kUsage[] =
    "Usage: lumora_info FILE...\n"
    "       lumora_info --dvd PATH\n"
    "Prints what Lumora's file page shows for each media file.\n"
    "\n"
    "  --dvd PATH   print what the DVD page shows for the DVD-Video volume at PATH (one of its\n"
    "               .ifo files, its VIDEO_TS folder or the folder holding that): each title's\n"
    "               line, then the video, audio and subtitle lines of that title, indented\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Exit status: 0 when every file was analysed or the volume was read, 1 when any analysis\n"
    "failed or PATH is no DVD-Video volume, 2 on a usage error.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "lumora_info: %s\nTry 'lumora_info --help'.\n", message.c_str());
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::vector<std::string> volumes;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return kExitOk;
        } else if (argument == "--dvd") {
            if (i + 1 >= argc) return UsageError("option '--dvd' needs a PATH");
            volumes.push_back(argv[++i]);
        } else if (argument == "--version") {
            std::printf("lumora_info %s\n", LUMORA_VERSION);
            return kExitOk;
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }
    if (volumes.size() > 1) return UsageError("only one '--dvd' PATH at a time");
    if (!volumes.empty() && !files.empty()) return UsageError("'--dvd' takes no other files");
    if (files.empty() && volumes.empty()) return UsageError("no file given");

    CoInitialize(nullptr);
    TKxLumora lumora;
    lumora.SetDecimalSeparator(UserDecimalSeparator());
    const int status = volumes.empty() ? PrintFileInfo(lumora, files) : PrintDvdInfo(lumora, volumes.front());
    CoUninitialize();
    return status;
}
