// What libdvdread is given to read a volume, and the volume's disc id.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "backends/dvdread/served_folder.h"
#include "backends/dvdread/volume_location.h"
#include "platform/unique_fd.h"

namespace lumora::dvdread {

class VolumeSource {
public:
    // A folder volume is served from privateFolder (see ServedFolder). An image or a drive is opened
    // without blocking and must still be the regular file or block device it was found to be, with
    // volume descriptors; an image must also hold every file its ISO 9660 and UDF directories
    // list, and the UDF structures that lead to them (a truncated image is none). Null otherwise.
    static std::unique_ptr<VolumeSource> Open(const VolumeLocation& location,
                                              const std::filesystem::path& privateFolder, BackupUse use);

    // The path for DVDOpen2: the served folder, or the open image or drive as /proc/self/fd/N, so
    // that libdvdread reopens the very file checked here.
    const std::string& ReaderPath() const { return readerPath_; }
    // From the ISO 9660 listing of an image or a disc, or its UDF listing where it has none.
    uint64_t DiscId() const { return discId_; }
    // An image or a drive whose first volume descriptor is an ISO 9660 primary volume's.
    bool HasIsoPrimaryVolume() const { return isoPrimaryVolume_; }
    // See ServedFolder::FallBackToBackup; false for an image or a drive, whose files libdvdread
    // finds itself.
    bool FallBackToBackup(int titleSet) { return served_ && served_->FallBackToBackup(titleSet); }

private:
    VolumeSource() = default;

    std::string readerPath_;
    uint64_t discId_ = 0;
    bool isoPrimaryVolume_ = false;
    std::unique_ptr<ServedFolder> served_;
    UniqueFd disc_;
};

}  // namespace lumora::dvdread
