#include "platform/backends/dvdread/private_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace lumora::dvdread {

namespace fs = std::filesystem;

PrivateFolder::PrivateFolder() {
    std::error_code error;
    fs::path base = fs::temp_directory_path(error);
    if (error) base = "/tmp";
    std::string pattern = (base / "lumora-dvd-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

}  // namespace lumora::dvdread
