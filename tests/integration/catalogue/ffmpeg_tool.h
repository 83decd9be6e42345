// What the ffmpeg command-line tool of this machine lists, parsed for comparison.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ffmpeg_tool {

// The command's standard output and error, or nullopt when it could not be run.
std::optional<std::string> Run(const std::string& command);

bool Available();

struct Listed {
    char type = 0;  // 'V', 'A', 'S' for encoders; 0 for filters
    std::string name;
    std::string description;  // long name or filter description
};

// `ffmpeg -encoders` and `ffmpeg -filters`, in the tool's order.
std::vector<Listed> Encoders();
std::vector<Listed> Filters();

// The (class name, option name) pairs of `ffmpeg -h encoder=NAME` / `-h filter=NAME`, in the
// tool's order.
std::vector<std::pair<std::string, std::string>> HelpOptions(const std::string& what);

}  // namespace ffmpeg_tool
