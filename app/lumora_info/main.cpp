// lumora_info: prints, as text, what the window's pages show.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/lumora_info/commands.h"
#include "component/lumoram.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "platform/dvd_interfaces.h"
#include "platform/media_det.h"
#include "platform/user_locale.h"

namespace {

constexpr char kUsage[] =
    "Usage: lumora_info FILE...\n"
    "       lumora_info --dvd PATH\n"
    "       lumora_info --catalogue\n"
    "Prints what Lumora's file page shows for each media file, with --dvd what its DVD page shows,\n"
    "or with --catalogue what its filters and codecs page lists.\n"
    "\n"
    "  --dvd PATH   print what the DVD page shows for the DVD-Video volume at PATH (one of its\n"
    "               .ifo files, its VIDEO_TS folder or the folder holding that): each title's\n"
    "               line, then the video, audio and subtitle lines of that title, indented\n"
    "  --catalogue  list the seven lists of the filters and codecs page, each under its label\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Exit status: 0 when every file was analysed, the volume or the catalogue was read; 1 when any\n"
    "analysis failed, PATH is no DVD-Video volume or the catalogue could not be read; 2 on a usage\n"
    "error.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "lumora_info: %s\nTry 'lumora_info --help'.\n", message.c_str());
    return kExitUsage;
}

// The pages show nothing when the platform cannot make an object; a command says why.
bool ModuleAvailable(const CLSID& clsid) {
    std::string reason;
    if (SUCCEEDED(CoLoadClassModule(clsid, &reason))) return true;
    std::fprintf(stderr, "lumora_info: cannot load module: %s\n", reason.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::vector<std::string> volumes;
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
        } else if (argument == "--dvd") {
            if (i + 1 >= argc) return UsageError("option '--dvd' needs a PATH");
            volumes.push_back(argv[++i]);
        } else if (argument == "--catalogue") {
            catalogue = true;
        } else if (argument == "--version") {
            std::printf("lumora_info %s\n", LUMORA_VERSION);
            return kExitOk;
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }
    const int modes = (files.empty() ? 0 : 1) + (volumes.empty() ? 0 : 1) + (catalogue ? 1 : 0);
    if (volumes.size() > 1) return UsageError("only one '--dvd' PATH at a time");
    if (modes > 1) return UsageError("give files, '--dvd PATH' or '--catalogue', not several of them");
    if (modes == 0) return UsageError("no file given");

    const CLSID& needed = catalogue          ? CLSID_SystemDeviceEnum
                          : !volumes.empty() ? CLSID_DvdGraphBuilder
                                             : CLSID_MediaDet;
    if (!ModuleAvailable(needed)) return kExitFailed;

    CoInitialize(nullptr);
    TKxLumora lumora;
    lumora.SetDecimalSeparator(UserDecimalSeparator());
    const int status = catalogue          ? PrintCatalogue(lumora)
                       : !volumes.empty() ? PrintDvdInfo(lumora, volumes.front())
                                          : PrintFileInfo(lumora, files);
    CoUninitialize();
    return status;
}
