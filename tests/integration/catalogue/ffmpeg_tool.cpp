#include "tests/integration/catalogue/ffmpeg_tool.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string_view>

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

constexpr size_t npos = std::string::npos;

// Reads blank-separated words from a position of a line.
struct Cursor {
    const std::string& text;
    size_t at;

    std::string Word() {
        at = std::min(text.find_first_not_of(' ', at), text.size());
        const size_t end = std::min(text.find(' ', at), text.size());
        std::string word = text.substr(at, end - at);
        at = end;
        return word;
    }
    std::string Rest() {
        at = std::min(text.find_first_not_of(' ', at), text.size());
        return text.substr(at);
    }
};

}  // namespace

std::vector<Listed> Encoders() {
    std::vector<Listed> encoders;
    const auto output = Run("ffmpeg -hide_banner -encoders");
    if (!output) return encoders;
    // " V....D libx264              libx264 H.264 / AVC ... (codec h264)"
    bool table = false;
    for (const std::string& text : Lines(*output)) {
        if (text == " ------") {
            table = true;
            continue;
        }
        if (!table || text.size() < 9 || text[0] != ' ' || std::string_view("VAS").find(text[1]) == npos ||
            text[7] != ' ')
            continue;
        Cursor cursor{text, 8};
        Listed encoder{text[1], cursor.Word(), cursor.Rest()};
        // The tool names the codec when it differs from the encoder: " (codec h264)".
        const size_t suffix = encoder.description.rfind(" (codec ");
        if (suffix != npos && encoder.description.back() == ')' &&
            encoder.description.find_first_of(" ()", suffix + 8) == encoder.description.size() - 1)
            encoder.description.erase(suffix);
        encoders.push_back(std::move(encoder));
    }
    return encoders;
}

std::vector<Listed> Filters() {
    std::vector<Listed> filters;
    const auto output = Run("ffmpeg -hide_banner -filters");
    if (!output) return filters;
    // " ..C acompressor       A->A       Audio compressor."
    for (const std::string& text : Lines(*output)) {
        if (text.size() < 6 || text[0] != ' ' || (text[1] != 'T' && text[1] != '.') ||
            (text[2] != 'S' && text[2] != '.') || (text[3] != 'C' && text[3] != '.') || text[4] != ' ')
            continue;
        Cursor cursor{text, 5};
        Listed filter{0, cursor.Word(), ""};
        cursor.Word();  // inputs->outputs
        filter.description = cursor.Rest();
        filters.push_back(std::move(filter));
    }
    return filters;
}

std::vector<std::pair<std::string, std::string>> HelpOptions(const std::string& what) {
    std::vector<std::pair<std::string, std::string>> options;
    const auto output = Run("ffmpeg -hide_banner -h " + what);
    if (!output) return options;
    constexpr std::string_view kHeader = " AVOptions:";
    std::string group;
    for (const std::string& text : Lines(*output)) {
        if (text.size() > kHeader.size() && text.compare(text.size() - kHeader.size(), npos, kHeader) == 0) {
            group = text.substr(0, text.size() - kHeader.size());
            continue;
        }
        // Options start "  -name" (or "   name" for filtering options) and show a <type>;
        // named values are indented further and show none.
        if (text.size() < 4 || text.compare(0, 2, "  ") != 0 || (text[2] != '-' && text[2] != ' ') ||
            text[3] == ' ')
            continue;
        Cursor cursor{text, 3};
        std::string name = cursor.Word();
        const std::string type = cursor.Word();
        if (type.size() > 2 && type.front() == '<' && type.back() == '>') options.emplace_back(group, name);
    }
    return options;
}

}  // namespace ffmpeg_tool
