// What a path the user picked is as a DVD-Video volume: a VIDEO_TS folder, an image file or a
// drive's device node.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace lumora::dvdread {

enum class VolumeKind : uint8_t {
    Folder,  // path: the VIDEO_TS folder
    Image,   // path: a regular file, possibly an ISO 9660/UDF image of a disc
    Device,  // path: a block device, possibly an optical drive with a disc
};

struct VolumeLocation {
    VolumeKind kind;
    std::filesystem::path path;
};

// Decided by what the file is (stat, following links), never by its extension: a block device is
// a drive; a regular file named .ifo/.bup belongs to a folder volume (FindVideoTsFolder); any other
// regular file may be an image; a folder as FindVideoTsFolder finds one. Nothing for anything else
// (FIFOs, sockets, character devices, missing paths). Nothing is opened.
std::optional<VolumeLocation> LocateVolume(std::string_view path);

}  // namespace lumora::dvdread
