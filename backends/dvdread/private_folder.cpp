#include "backends/dvdread/private_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace lumora::dvdread {

namespace fs = std::filesystem;

namespace {

fs::path Base() {
    std::error_code error;
    for (const char* candidate : {static_cast<const char*>(std::getenv("XDG_RUNTIME_DIR")), "/dev/shm"})
        if (candidate && *candidate && fs::is_directory(candidate, error) &&
            ::access(candidate, W_OK | X_OK) == 0)
            return candidate;
    fs::path temporary = fs::temp_directory_path(error);
    return error ? fs::path("/tmp") : temporary;
}

}  // namespace

PrivateFolder::PrivateFolder() {
    std::string pattern = (Base() / "lumora-dvd-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

}  // namespace lumora::dvdread
