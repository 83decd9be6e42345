// An empty folder of this process's own, removed with its contents: when the object goes, and
// when SIGINT, SIGTERM or SIGHUP ends the process while it exists (for a signal whose action was
// the default one; the signal then ends the process as before). It is made in memory where the
// system offers that (the user's runtime folder, else /dev/shm), else in the temporary folder: on
// a disk file system, making and removing a folder of links costs milliseconds of journal writes.
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
    int slot_ = -1;  // its place among the folders a signal removes; -1: none was free
};

}  // namespace lumora::dvdread
