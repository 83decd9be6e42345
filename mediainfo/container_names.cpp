#include "mediainfo/container_names.h"

#include "platform/ascii.h"

namespace {

struct ContainerName {
    std::string_view extension;  // upper case, without the dot
    std::string_view name;
};

constexpr ContainerName kContainerNames[] = {
    {"AVI", "AVI"},
    {"MPG", "MPEG 1/2"},
    {"MPEG", "MPEG 1/2"},
    {"VOB", "DVD VOB"},
    {"MP4", "MPEG 4"},
    {"WMV", "Windows Media Video"},
    {"ASF", "Windows Media Video (ASF)"},
    {"MOV", "QuickTime MOV"},
    {"3GP", "QuickTime 3GP"},
    {"3G2", "QuickTime 3GP2"},
    {"OGM", "OGG Media"},
    {"MKV", "Matroska"},
    {"RM", "RealMedia"},
};

}  // namespace

std::optional<std::string_view> ContainerNameForExtension(std::string_view fileName) {
    // '/' is an ordinary character here: only '.', '\\' and ':' end a name part.
    const size_t last = fileName.find_last_of(".\\:");
    const std::string extension = last != std::string_view::npos && fileName[last] == '.'
                                      ? UpperAscii(fileName.substr(last + 1))
                                      : std::string();
    for (const ContainerName& row : kContainerNames)
        if (row.extension == extension) return row.name;
    return std::nullopt;
}
