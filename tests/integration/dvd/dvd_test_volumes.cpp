#include "tests/integration/dvd/dvd_test_volumes.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace lumora::testing {

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<fs::path> Authored(const fs::path& folder, const std::string& arguments, const fs::path& marker,
                                 std::string* why) {
    for (const char* tool : {"ffmpeg", "dvdauthor", "spumux", "lsdvd"}) {
        if (!HaveTool(tool)) {
            if (why) *why = std::string(tool) + " is not installed: the DVD volumes cannot be made";
            return std::nullopt;
        }
    }
    if (!fs::exists(marker)) {
        const ProgramRun made =
            RunProgram(ShellQuote(LUMORA_DVD_VOLUME_SCRIPT) + " " + ShellQuote(folder.string()) + arguments);
        if (made.status != 0 || !fs::exists(marker)) {
            if (why) *why = "authoring the DVD volumes failed: " + made.err;
            return std::nullopt;
        }
    }
    return folder;
}

}  // namespace

std::optional<fs::path> TestVolumes(std::string* why) {
    const fs::path folder = LUMORA_DVD_TEST_VOLUMES;
    return Authored(folder, "", folder / "pal_details/VIDEO_TS/VIDEO_TS.IFO", why);
}

std::optional<fs::path> ManyTitlesVolume(int count, std::string* why) {
    const fs::path folder = LUMORA_DVD_TEST_VOLUMES;
    const std::string name = "many_" + std::to_string(count);
    const auto made =
        Authored(folder, " many " + std::to_string(count), folder / name / "VIDEO_TS/VIDEO_TS.IFO", why);
    if (!made) return std::nullopt;
    return folder / name;
}

std::vector<LsdvdTitle> Lsdvd(const fs::path& volume) {
    const ProgramRun result = RunProgram("lsdvd -a -s -c -v " + ShellQuote(volume.string()));
    std::vector<LsdvdTitle> titles;
    const std::regex titleLine(R"(^Title: (\d+), Length: (\d+):(\d+):(\d+)\.(\d+) Chapters: (\d+),.*)");
    const std::regex videoLine(
        R"(^\tVTS: (\d+), TTN: \d+, FPS: ([\d.]+), Format: (\w+), Aspect ratio: ([\d/]+), Width: (\d+), Height: (\d+),.*)");
    const std::regex audioLine(
        R"(^\tAudio: \d+, Language: (\S+) - .*, Format: (\S+) *, Frequency: (\d+), Quantization: (\S+), Channels: (\d+),.*)");
    const std::regex subtitleLine(R"(^\tSubtitle: (\d+), Language: (\S+) - .*)");
    std::istringstream lines(result.out);
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, m, titleLine)) {
            LsdvdTitle title;
            title.number = std::stoi(m[1]);
            title.hours = std::stoi(m[2]);
            title.minutes = std::stoi(m[3]);
            title.seconds = std::stoi(m[4]);
            title.milliseconds = std::stoi(m[5]);
            title.chapters = std::stoi(m[6]);
            titles.push_back(title);
        } else if (titles.empty()) {
            continue;
        } else if (std::regex_match(line, m, videoLine)) {
            LsdvdTitle& title = titles.back();
            title.titleSet = std::stoi(m[1]);
            title.fps = std::stod(m[2]);
            title.format = m[3];
            title.aspect = m[4];
            title.width = std::stoi(m[5]);
            title.height = std::stoi(m[6]);
        } else if (std::regex_match(line, m, audioLine)) {
            titles.back().audio.push_back({m[1], m[2], m[4], std::stoi(m[3]), std::stoi(m[5])});
        } else if (std::regex_match(line, m, subtitleLine)) {
            titles.back().subtitles.emplace_back(std::stoi(m[1]), m[2]);
        }
    }
    return titles;
}

std::vector<std::string> Elements(const std::string& xml, const std::string& tag) {
    std::vector<std::string> found;
    const std::regex element("<" + tag + ">([\\s\\S]*?)</" + tag + ">");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), element); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

std::string Field(const std::string& xml, const std::string& tag) {
    const auto found = Elements(xml, tag);
    return found.empty() ? std::string() : found.front();
}

bool MakeDvdImage(const fs::path& volume, const fs::path& image, std::string* why,
                  const std::string& environment) {
    if (!HaveTool("genisoimage")) {
        if (why) *why = "genisoimage is not installed: no DVD image can be made";
        return false;
    }
    const ProgramRun made = RunProgram(environment + " genisoimage -quiet -dvd-video -udf -o " +
                                       ShellQuote(image.string()) + " " + ShellQuote(volume.string()));
    if (made.status == 0 && fs::exists(image)) return true;
    if (why) *why = "genisoimage failed: " + made.err;
    return false;
}

std::vector<uint8_t> ReadBytes(const fs::path& file) {
    const std::string text = ReadText(file);
    return std::vector<uint8_t>(text.begin(), text.end());
}

void WriteBytes(const fs::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t offset, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value = value << 8 | bytes.at(offset + i);
    return value;
}

std::vector<uint8_t> UdfOnly(std::vector<uint8_t> image) {
    // genisoimage writes the primary descriptor and the terminator (CD001) at 16 and 17, then
    // BEA01, NSR02 and TEA01.
    std::copy(image.begin() + 18 * 2048, image.begin() + 21 * 2048, image.begin() + 16 * 2048);
    std::fill(image.begin() + 19 * 2048, image.begin() + 21 * 2048, 0);
    return image;
}

VolumeCopy::VolumeCopy(const fs::path& volume, const std::string& name) : root_(base_.Path() / name) {
    fs::copy(volume, root_, fs::copy_options::recursive);
}

uint32_t ExpectedLocale(const std::string& code) {
    // MAKELANGID(primary language, default sublanguage); Chinese is simplified.
    const struct {
        const char* code;
        uint32_t lcid;
    } table[] = {{"en", 0x0409}, {"de", 0x0407}, {"ru", 0x0419},
                 {"fr", 0x040C}, {"ja", 0x0411}, {"es", 0x040A}};
    for (const auto& row : table)
        if (code == row.code) return row.lcid;
    return 0;
}

std::string ExpectedLanguageName(const std::string& code) {
    const struct {
        const char* code;
        const char* name;
    } table[] = {{"en", "English"}, {"de", "German"},   {"ru", "Russian"},
                 {"fr", "French"},  {"ja", "Japanese"}, {"es", "Spanish"}};
    for (const auto& row : table)
        if (code == row.code) return row.name;
    return "[Unknown language]";
}

}  // namespace lumora::testing
