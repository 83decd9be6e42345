// How lumora_demo starts: its command line, the translations of the platform's dialogs, and the
// window's first steps. The program and the tests run the same code.
#pragma once

#include <optional>
#include <string>

class TForm1;

// What the command line asks for: lumora_demo [--] [PATH].
struct CommandLine {
    // The path to open, as the file system spells it, made absolute ("." segments dropped).
    std::optional<std::string> path;
    // Text for the user: usage (standard output) or a complaint (standard error).
    std::string message;
    // Set when the program must end at once with this status (--help: 0, a usage error: 2).
    std::optional<int> exitStatus;
};

// argv as main receives it once QApplication has taken its own options out; the bytes of a path
// are kept as they are. A second path is ignored, with a word in message.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// Runs the creation handler, shows the window and opens the start-up path, each under the
// application's default error handler.
void StartWindow(TForm1& form, const std::optional<std::string>& path);
