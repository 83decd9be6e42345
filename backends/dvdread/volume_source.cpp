#include "backends/dvdread/volume_source.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <vector>

#include "backends/dvdread/disc_id.h"
#include "backends/dvdread/image_directory.h"
#include "backends/dvdread/udf_directory.h"

namespace lumora::dvdread {

namespace fs = std::filesystem;

std::unique_ptr<VolumeSource> VolumeSource::Open(const VolumeLocation& location,
                                                 const fs::path& privateFolder, BackupUse use) {
    std::unique_ptr<VolumeSource> source(new VolumeSource());
    if (location.kind == VolumeKind::Folder) {
        std::error_code error;
        const fs::path folder = fs::absolute(privateFolder, error);
        if (error) return nullptr;
        source->served_ = ServedFolder::Serve(location.path, folder, use);
        if (!source->served_) return nullptr;
        source->readerPath_ = folder.string();
        const std::vector<VideoTsEntry> listing = ListVideoTs(location.path);
        source->discId_ = DiscIdOf(
            listing, ReadFileHead(source->served_->MainFile(0), 0, ListedSize(listing, "VIDEO_TS.IFO")),
            ReadFileHead(source->served_->MainFile(1), 0, ListedSize(listing, "VTS_01_0.IFO")));
        return source;
    }

    source->disc_.Reset(::open(location.path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!source->disc_.IsOpen() || ::fstat(source->disc_.Get(), &info) != 0) return nullptr;
    const bool image = location.kind == VolumeKind::Image;
    if (image ? !S_ISREG(info.st_mode) : !S_ISBLK(info.st_mode)) return nullptr;
    const int disc = source->disc_.Get();
    if (!HasVolumeDescriptors(disc)) return nullptr;
    source->isoPrimaryVolume_ = HasIsoPrimaryDescriptor(disc);
    // libdvdread finds the files by UDF, other programs by ISO 9660: both listings must hold. The id
    // hashes the ISO 9660 listing where there is one, else the UDF one.
    const std::vector<ImageFile> isoFiles = ReadImageVideoTs(disc);
    const UdfListing udf = ReadUdfVideoTs(disc);
    if (image) {
        const auto size = static_cast<uint64_t>(info.st_size);
        if (udf.end > size) return nullptr;
        for (const ImageFile& file : isoFiles)
            if (file.offset + file.entry.size > size) return nullptr;
    }
    std::vector<VideoTsEntry> listing;
    const ImageFile* heads[2] = {nullptr, nullptr};
    for (const ImageFile& file : isoFiles.empty() ? udf.files : isoFiles) {
        listing.push_back(file.entry);
        if (file.entry.upperName == "VIDEO_TS.IFO") heads[0] = &file;
        if (file.entry.upperName == "VTS_01_0.IFO") heads[1] = &file;
    }
    const auto head = [&](const ImageFile* file) {
        return file ? ReadFileHead(disc, file->offset, file->entry.size) : std::vector<uint8_t>();
    };
    source->discId_ = DiscIdOf(listing, head(heads[0]), head(heads[1]));
    source->readerPath_ = "/proc/self/fd/" + std::to_string(disc);
    return source;
}

}  // namespace lumora::dvdread
