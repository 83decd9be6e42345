#include "tests/integration/catalogue/ffmpeg_tool.h"

#include <array>
#include <cstdio>
#include <memory>
#include <regex>
#include <sstream>

namespace ffmpeg_tool {

std::optional<std::string> Run(const std::string& command) {
    struct Closer {
        void operator()(FILE* pipe) const { pclose(pipe); }
    };
    std::unique_ptr<FILE, Closer> pipe(popen((command + " 2>&1").c_str(), "r"));
    if (!pipe) return std::nullopt;
    std::string output;
    std::array<char, 4096> buffer;
    while (const size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), n);
    return output;
}

bool Available() {
    const auto output = Run("ffmpeg -hide_banner -version");
    return output && output->rfind("ffmpeg version", 0) == 0;
}

namespace {

// The text's lines without trailing blanks.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::vector<Listed> Encoders() {
    std::vector<Listed> encoders;
    const auto output = Run("ffmpeg -hide_banner -encoders");
    if (!output) return encoders;
    // " V....D libx264              libx264 H.264 / AVC ... (codec h264)"
    static const std::regex line(R"(^ ([VAS])[.A-Z]{5} (\S+) *(.*)$)");
    static const std::regex codecSuffix(R"( \(codec [^ ()]+\)$)");
    bool table = false;
    for (const std::string& text : Lines(*output)) {
        if (text == " ------") {
            table = true;
            continue;
        }
        std::smatch match;
        if (!table || !std::regex_match(text, match, line)) continue;
        encoders.push_back(
            {match[1].str()[0], match[2].str(), std::regex_replace(match[3].str(), codecSuffix, "")});
    }
    return encoders;
}

std::vector<Listed> Filters() {
    std::vector<Listed> filters;
    const auto output = Run("ffmpeg -hide_banner -filters");
    if (!output) return filters;
    // " ..C acompressor       A->A       Audio compressor."
    static const std::regex line(R"(^ [T.][S.][C.] (\S+) +(\S+) +(.*?)$)");
    for (const std::string& text : Lines(*output)) {
        std::smatch match;
        if (std::regex_match(text, match, line)) filters.push_back({0, match[1].str(), match[3].str()});
    }
    return filters;
}

std::vector<std::pair<std::string, std::string>> HelpOptions(const std::string& what) {
    std::vector<std::pair<std::string, std::string>> options;
    const auto output = Run("ffmpeg -hide_banner -h " + what);
    if (!output) return options;
    static const std::regex header(R"(^(.+) AVOptions:$)");
    // Options start "  -name" (or "   name" for filtering options) and show a <type>.
    static const std::regex option(R"(^  [- ](\S+) +<\w+>)");
    std::string group;
    for (const std::string& text : Lines(*output)) {
        std::smatch match;
        if (std::regex_match(text, match, header)) {
            group = match[1].str();
        } else if (std::regex_search(text, match, option)) {
            options.emplace_back(group, match[1].str());
        }
    }
    return options;
}

}  // namespace ffmpeg_tool
