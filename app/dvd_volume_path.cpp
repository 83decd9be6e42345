#include "app/dvd_volume_path.h"

#include <filesystem>
#include <system_error>

#include "platform/ascii.h"
#include "platform/video_ts_folder.h"

namespace fs = std::filesystem;

bool IsDvdVolumePath(std::string_view text) {
    if (text.empty()) return false;
    const fs::path path(text);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) return false;
    switch (status.type()) {
        case fs::file_type::regular:
            return IsInfoFileName(path) || UpperAscii(path.extension().string()) == ".ISO";
        case fs::file_type::directory: return FindVideoTsFolder(text).has_value();
        case fs::file_type::block: return true;
        default: return false;
    }
}
