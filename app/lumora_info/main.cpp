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
    "       lumora_info --catalogue\n"
    "Prints what Lumora's file page shows for each media file, or with --catalogue what its\n"
    "filters and codecs page lists: the installed codecs, filters and devices.\n"
    "\n"
    "  --catalogue  list the seven lists of the filters and codecs page, each under its label\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Exit status: 0 when every file was analysed (or the catalogue was read), 1 when any analysis\n"
    "failed (or the catalogue could not be read), 2 on a usage error.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "lumora_info: %s\nTry 'lumora_info --help'.\n", message.c_str());
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    bool catalogue = false;
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
        } else if (argument == "--catalogue") {
            catalogue = true;
        } else if (argument == "--version") {
            std::printf("lumora_info %s\n", LUMORA_VERSION);
            return kExitOk;
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }
    if (catalogue && !files.empty()) return UsageError("--catalogue takes no file");
    if (!catalogue && files.empty()) return UsageError("no file given");

    CoInitialize(nullptr);
    TKxLumora lumora;
    lumora.SetDecimalSeparator(UserDecimalSeparator());
    const int status = catalogue ? PrintCatalogue(lumora) : PrintFileInfo(lumora, files);
    CoUninitialize();
    return status;
}
