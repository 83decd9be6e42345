#include "platform/video_ts_folder.h"

#include <string>
#include <system_error>

#include "platform/ascii.h"

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

}  // namespace

bool IsInfoFileName(const fs::path& file) {
    const std::string extension = UpperAscii(file.extension().string());
    return extension == ".IFO" || extension == ".BUP";
}

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
