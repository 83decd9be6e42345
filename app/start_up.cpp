#include "app/start_up.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/application.h"
#include "app/lumora_demo_unit.h"

namespace {

constexpr char kUsage[] =
    "usage: lumora_demo [PATH]\n"
    "Opens PATH at start: a DVD-Video volume (an .ifo or .bup file, its VIDEO_TS folder or the\n"
    "folder holding it, an .iso image, a drive such as /dev/sr0) on the DVD page, any other file\n"
    "on the file page.\n";

std::string Absolute(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) return path;
    fs::path cleaned;
    for (const fs::path& part : absolute)
        if (!part.empty() && part != ".") cleaned /= part;
    return cleaned.string();
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine commandLine;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "--help" || argument == "-h")) {
            commandLine.message = kUsage;
            commandLine.exitStatus = 0;
            return commandLine;
        } else if ((options && argument.size() > 1 && argument.front() == '-') || argument.empty()) {
            commandLine.message =
                "lumora_demo: unknown option or empty path: '" + std::string(argument) + "'\n" + kUsage;
            commandLine.exitStatus = 2;
            return commandLine;
        } else if (commandLine.path) {
            commandLine.message += "lumora_demo: opens one path; ignored: " + std::string(argument) + "\n";
        } else {
            commandLine.path = Absolute(std::string(argument));
        }
    }
    return commandLine;
}

void StartWindow(TForm1& form, const std::optional<std::string>& path) {
    form.DoCreate();
    form.show();
    if (path) RunHandled([&] { form.OpenPath(*path); });
}
