#include "app/dvd_volume_path.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/ascii.h"

namespace fs = std::filesystem;

namespace {

bool HasExtension(const fs::path& path, std::initializer_list<std::string_view> extensions) {
    const std::string extension = UpperAscii(path.extension().string());
    for (const std::string_view wanted : extensions)
        if (extension == wanted) return true;
    return false;
}

bool IsVideoTsName(const fs::path& name) { return UpperAscii(name.string()) == "VIDEO_TS"; }

// The folder's own name; "." and ".." name the folder they lead to.
fs::path FolderName(const fs::path& folder) {
    const fs::path name = folder.filename();
    if (name != "." && name != "..") return name;
    std::error_code error;
    const fs::path resolved = fs::canonical(folder, error);
    return error ? fs::path() : resolved.filename();
}

bool HoldsVideoTsFolder(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (IsVideoTsName(it->path().filename()) && it->is_directory(entryError)) return true;
    }
    return false;
}

}  // namespace

bool IsDvdVolumePath(std::string_view text) {
    if (text.empty()) return false;
    fs::path path(text);
    while (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();

    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) return false;
    switch (status.type()) {
        case fs::file_type::regular: return HasExtension(path, {".IFO", ".BUP", ".ISO"});
        case fs::file_type::directory: return IsVideoTsName(FolderName(path)) || HoldsVideoTsFolder(path);
        case fs::file_type::block: return true;
        default: return false;
    }
}
