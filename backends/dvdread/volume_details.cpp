#include "backends/dvdread/volume_details.h"

#include <filesystem>

#include "backends/dvdread/ifo_text.h"

namespace lumora::dvdread {

namespace {

namespace fs = std::filesystem;

using VolumeInfoReader = int (*)(dvd_reader_t*, char*, unsigned int, unsigned char*, unsigned int);

std::string Identifier(dvd_reader_t* reader, VolumeInfoReader read) {
    char identifier[33] = {};
    if (read(reader, identifier, sizeof identifier, nullptr, 0) != 0) return {};
    return Latin1Text(std::string_view(identifier, sizeof identifier - 1));
}

std::string FolderName(const fs::path& videoTs) {
    fs::path folder = videoTs.lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    if (!folder.has_parent_path()) {
        std::error_code error;
        folder = fs::absolute(folder, error);
    }
    return folder.parent_path().filename().string();
}

}  // namespace

VolumeLabel ReadVolumeLabel(dvd_reader_t* reader, const VolumeLocation& location, bool isoPrimaryVolume) {
    if (location.kind == VolumeKind::Folder) {
        std::string name = FolderName(location.path);
        return {name, name.empty() ? DvdLabelSource::None : DvdLabelSource::Folder};
    }
    if (std::string udf = Identifier(reader, &DVDUDFVolumeInfo); !udf.empty())
        return {std::move(udf), DvdLabelSource::Udf};
    if (isoPrimaryVolume)
        if (std::string iso = Identifier(reader, &DVDISOVolumeInfo); !iso.empty())
            return {std::move(iso), DvdLabelSource::Iso9660};
    return {};
}

DvdVolumeDetails VolumeDetailsOf(const vmgi_mat_t& manager, VolumeLabel label) {
    return {std::move(label.text),           label.source,
            IfoText(manager.vmg_identifier), IfoText(manager.provider_identifier),
            manager.vmg_nr_of_title_sets,    manager.vmg_category};
}

}  // namespace lumora::dvdread
