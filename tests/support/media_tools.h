// The ffmpeg tools as test oracles: media made at test time and facts read back by ffprobe.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace lumora::testing {

inline std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Standard output of a shell command; nullopt when it exits non-zero.
inline std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string output;
    char buffer[4096];
    while (size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, got);
    const int status = ::pclose(pipe);
    if (status != 0) return std::nullopt;
    return output;
}

inline bool HaveTool(const std::string& name) {
    return RunCommand("command -v " + ShellQuote(name) + " >/dev/null 2>&1").has_value();
}

// Runs ffmpeg with the given arguments, writing `path`; false when ffmpeg fails.
inline bool MakeMedia(const std::string& path, const std::string& arguments) {
    return RunCommand("ffmpeg -nostdin -v error -y " + arguments + " " + ShellQuote(path) + " 2>&1")
        .has_value();
}

// ffprobe's facts of a file, keyed as "streams.stream.0.codec_name", "format.duration" …
class ProbeFacts {
public:
    explicit ProbeFacts(const std::string& path) {
        const auto output =
            RunCommand("ffprobe -v error -of flat -show_streams -show_format " + ShellQuote(path));
        if (!output) return;
        size_t start = 0;
        while (start < output->size()) {
            size_t end = output->find('\n', start);
            if (end == std::string::npos) end = output->size();
            const std::string line = output->substr(start, end - start);
            start = end + 1;
            const size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            std::string value = line.substr(equals + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            facts_[line.substr(0, equals)] = value;
        }
    }

    std::string Stream(int index, const std::string& key) const {
        return Get("streams.stream." + std::to_string(index) + "." + key);
    }
    std::string Format(const std::string& key) const { return Get("format." + key); }
    std::string Get(const std::string& key) const {
        const auto found = facts_.find(key);
        return found == facts_.end() ? std::string() : found->second;
    }
    // A value such as "30000/1001" or "25" as a number; 0 when absent or "N/A".
    static double Number(const std::string& text) {
        if (text.empty() || text == "N/A") return 0;
        const size_t slash = text.find('/');
        if (slash == std::string::npos) return std::strtod(text.c_str(), nullptr);
        const double denominator = std::strtod(text.c_str() + slash + 1, nullptr);
        return denominator == 0 ? 0 : std::strtod(text.c_str(), nullptr) / denominator;
    }
    bool Empty() const { return facts_.empty(); }

private:
    std::map<std::string, std::string> facts_;
};

}  // namespace lumora::testing
