#include "backends/dvdread/volume_location.h"

#include <sys/stat.h>

#include <string>

#include "platform/video_ts_folder.h"

namespace lumora::dvdread {

namespace fs = std::filesystem;

std::optional<VolumeLocation> LocateVolume(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::string path(text);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    if (S_ISBLK(info.st_mode)) return VolumeLocation{VolumeKind::Device, path};
    if (S_ISREG(info.st_mode) && !IsInfoFileName(fs::path(path)))
        return VolumeLocation{VolumeKind::Image, path};
    if (const auto folder = FindVideoTsFolder(text)) return VolumeLocation{VolumeKind::Folder, *folder};
    return std::nullopt;
}

}  // namespace lumora::dvdread
