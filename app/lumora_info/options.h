// lumora_info's command line: what to read and how to print it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/lumora_info/writer.h"

enum class InfoMode { Files, Verify, Dvd, Catalogue };

struct InfoOptions {
    InfoMode mode = InfoMode::Files;
    std::vector<std::string> paths;           // the files and folders, or the one volume
    const Writer* writer = &DefaultWriter();  // -of FORMAT
    bool progress = true;
    unsigned jobs = 0;  // 0: one per core
    std::vector<std::string> include;
    std::vector<std::string> exclude;
};

inline constexpr unsigned kMaxJobs = 256;

// What the command line asks for: options to run with, or an exit status to leave with at once
// (after --help, --version or a usage error, all already written).
struct ParsedCommandLine {
    std::optional<InfoOptions> options;
    int status = 0;
};

ParsedCommandLine ParseCommandLine(int argc, char** argv);
