// The DVD volumes authored for the tests, what lsdvd says of them, and their IFO bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/media_tools.h"
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {

// The folder holding pal_mixed, ntsc_mixed, pal_silent and pal_details, authored on first use;
// nothing when a tool is missing (the reason in *why).
std::optional<std::filesystem::path> TestVolumes(std::string* why);
// A volume of count one-second titles, authored on first use.
std::optional<std::filesystem::path> ManyTitlesVolume(int count, std::string* why);

struct LsdvdAudio {
    std::string language;  // two letters, "xx" when none
    std::string format;    // ac3, mpeg1, mpeg2ext, lpcm, dts, sdds
    std::string quantization;
    int frequency = 0;
    int channels = 0;
};

struct LsdvdTitle {
    int number = 0;
    int hours = 0, minutes = 0, seconds = 0, milliseconds = 0;
    int chapters = 0;
    int titleSet = 0;
    double fps = 0;
    std::string format;  // PAL, NTSC
    std::string aspect;  // 4/3, 16/9
    int width = 0, height = 0;
    std::vector<LsdvdAudio> audio;
    // lsdvd lists only the subpicture streams the title's program chain marks available.
    std::vector<std::pair<int, std::string>> subtitles;  // stream number from 1, language
};

// lsdvd -a -s -c -v on the volume, parsed.
std::vector<LsdvdTitle> Lsdvd(const std::filesystem::path& volume);

// In lsdvd's XML: the text of each <tag>…</tag> in order, and of the first (empty when none).
std::vector<std::string> Elements(const std::string& xml, const std::string& tag);
std::string Field(const std::string& xml, const std::string& tag);

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);
uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t offset, size_t size);

// An ISO image of the volume folder as genisoimage -dvd-video -udf makes it; false when that
// fails (the reason in *why). Extra words go before the command, e.g. a TZ= setting.
bool MakeDvdImage(const std::filesystem::path& volume, const std::filesystem::path& image, std::string* why,
                  const std::string& environment = "");

// The image with its UDF recognition sequence moved over its ISO 9660 volume descriptors, so
// that only UDF is left (as some authoring programs make discs).
std::vector<uint8_t> UdfOnly(std::vector<uint8_t> image);

// A fresh copy of a volume under the system's temporary folder, removed with the object.
class VolumeCopy {
public:
    VolumeCopy(const std::filesystem::path& volume, const std::string& name);
    VolumeCopy(const VolumeCopy&) = delete;
    VolumeCopy& operator=(const VolumeCopy&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path VideoTs() const { return root_ / "VIDEO_TS"; }

private:
    TempDir base_;
    std::filesystem::path root_;
};

// The ISO 639-1 codes the test volumes use, as Windows locale identifiers and language names.
uint32_t ExpectedLocale(const std::string& code);
std::string ExpectedLanguageName(const std::string& code);

}  // namespace lumora::testing
