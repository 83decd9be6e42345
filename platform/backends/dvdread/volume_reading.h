// Reading a volume's snapshot: in this process with libdvdread, or isolated in a child process.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "platform/backends/dvdread/volume_snapshot.h"

namespace lumora::dvdread {

enum class ReadingScope {
    Everything,
    DiscIdOnly,  // facts.discId alone: no IFO is parsed
};

// With libdvdread, in this process. Nothing when the folder holds no readable video manager.
std::optional<VolumeSnapshot> ReadVolumeSnapshot(const std::filesystem::path& videoTs, ReadingScope scope);

// The same in a child process, so that libdvdread's failures on hostile IFO files (it has double
// frees and size overflows on some error paths) and files that block (a FIFO) cannot reach the
// caller: nothing when the child fails or takes longer than the deadline.
std::optional<VolumeSnapshot> ReadVolumeSnapshotIsolated(const std::filesystem::path& videoTs,
                                                         ReadingScope scope);

// The snapshot's byte form between the processes, checked whole when read back.
std::vector<uint8_t> SerializeSnapshot(const VolumeSnapshot& snapshot);
std::optional<VolumeSnapshot> DeserializeSnapshot(std::span<const uint8_t> bytes,
                                                  std::filesystem::path folder);

}  // namespace lumora::dvdread
