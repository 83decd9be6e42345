// Reading a volume's snapshot: in this process with libdvdread, or isolated in a child process.
#pragma once

#include <filesystem>
#include <optional>

#include "backends/dvdread/served_folder.h"
#include "backends/dvdread/snapshot_bytes.h"
#include "backends/dvdread/volume_location.h"
#include "backends/dvdread/volume_snapshot.h"

namespace lumora::dvdread {

enum class ReadingScope {
    Everything,
    DiscIdOnly,  // facts.discId alone: no IFO is parsed
};

// With libdvdread, in this process; a folder volume is served from privateFolder, an empty folder
// of the caller's (see ServedFolder). Nothing when the location holds no readable video manager.
std::optional<VolumeSnapshot> ReadVolumeSnapshot(const VolumeLocation& location, ReadingScope scope,
                                                 const std::filesystem::path& privateFolder,
                                                 BackupUse use = BackupUse::WhenMainIsBroken);

// The same in a child process, so that libdvdread's failures on hostile IFO files (it has double
// frees and size overflows on some error paths) and a drive that does not answer cannot reach the
// caller: nothing when the child fails or takes longer than the deadline. When a folder volume's
// reading fails, it is read once more with every intact BUP in place of its IFO.
std::optional<VolumeSnapshot> ReadVolumeSnapshotIsolated(const VolumeLocation& location, ReadingScope scope);

}  // namespace lumora::dvdread
