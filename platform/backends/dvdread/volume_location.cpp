#include "platform/backends/dvdread/volume_location.h"

#include <sys/stat.h>

#include <string>
#include <system_error>

#include "platform/ascii.h"

namespace lumora::dvdread {

namespace fs = std::filesystem;

namespace {

// The folder's own name as given; "." and ".." are resolved first.
bool IsVideoTsName(const fs::path& folder) {
    fs::path name = folder.filename();
    if (name == "." || name == "..") {
        std::error_code error;
        name = fs::canonical(folder, error).filename();
        if (error) return false;
    }
    return UpperAscii(name.string()) == "VIDEO_TS";
}

bool IsInfoFileName(const fs::path& file) {
    const std::string extension = UpperAscii(file.extension().string());
    return extension == ".IFO" || extension == ".BUP";
}

}  // namespace

std::optional<fs::path> FindVideoTsFolder(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::error_code error;
    fs::path path(text);
    // Trailing separators would leave an empty file name.
    while (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();

    const fs::file_status status = fs::status(path, error);
    if (error) return std::nullopt;
    if (fs::is_regular_file(status)) {
        const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
        if (IsInfoFileName(path) && IsVideoTsName(folder)) return folder;
        return std::nullopt;
    }
    if (!fs::is_directory(status)) return std::nullopt;
    if (IsVideoTsName(path)) return path;
    std::error_code exactError;
    if (fs::is_directory(path / "VIDEO_TS", exactError)) return path / "VIDEO_TS";
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (IsVideoTsName(it->path()) && it->is_directory(entryError)) return it->path();
    }
    return std::nullopt;
}

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
