// Programs run as a user runs them, with what they print and their exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/media_tools.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {

struct ProgramRun {
    int status = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs a shell command line; standard output and standard error are captured apart.
inline ProgramRun RunProgram(const std::string& commandLine) {
    const TempDir dir;
    const std::string errPath = (dir.Path() / "err").string();
    ProgramRun run;
    FILE* pipe = ::popen(("(" + commandLine + ") 2>" + ShellQuote(errPath)).c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        run.out.append(buffer, got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return run;
}

// A prefix for a command line under which file permissions hold: nothing for an ordinary user;
// for root, setpriv without the capabilities that override them. Nothing usable when root cannot
// drop them (the caller skips then).
inline std::optional<std::string> PermissionsHoldPrefix() {
    if (::geteuid() != 0) return std::string();
    const std::string prefix = "setpriv --bounding-set=-dac_override,-dac_read_search -- ";
    if (!RunCommand(prefix + "true 2>/dev/null")) return std::nullopt;
    const TempDir dir;
    const std::string locked = dir.File("locked");
    if (!RunCommand("chmod 000 " + ShellQuote(locked))) return std::nullopt;
    if (RunCommand(prefix + "cat " + ShellQuote(locked) + " >/dev/null 2>&1")) return std::nullopt;
    return prefix;
}

}  // namespace lumora::testing
