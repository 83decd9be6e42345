// lumora_info, as this build made it, run as a user runs it. Its path comes from the build
// (LUMORA_INFO_PATH, given to the tests that link lumora_info_under_test).
#pragma once

#include <string>

#include "tests/support/program_run.h"

namespace lumora::testing {

// The command line that runs lumora_info with the arguments: shell words, so paths come quoted and
// redirections may follow.
inline std::string LumoraInfoCommand(const std::string& arguments) {
    return ShellQuote(LUMORA_INFO_PATH) + " " + arguments;
}

// lumora_info run with the arguments; prefix goes before the command (settings, "timeout 20 " …).
inline ProgramRun RunLumoraInfo(const std::string& arguments, const std::string& prefix = "") {
    return RunProgram(prefix + LumoraInfoCommand(arguments));
}

}  // namespace lumora::testing
