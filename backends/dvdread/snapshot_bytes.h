// The volume snapshot's byte form between the reading child and the navigator: fixed records,
// then texts and lists each behind its length, every length bounded and checked when read back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "backends/dvdread/volume_snapshot.h"

namespace lumora::dvdread {

std::vector<uint8_t> SerializeSnapshot(const VolumeSnapshot& snapshot);

// Nothing unless the bytes are one whole snapshot and nothing more.
std::optional<VolumeSnapshot> DeserializeSnapshot(std::span<const uint8_t> bytes,
                                                  std::filesystem::path location);

}  // namespace lumora::dvdread
