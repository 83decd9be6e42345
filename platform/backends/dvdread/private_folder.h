// An empty folder of this process's own under the temporary folder, removed with its contents.
#pragma once

#include <filesystem>

namespace lumora::dvdread {

class PrivateFolder {
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // Empty when the folder could not be made.
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace lumora::dvdread
