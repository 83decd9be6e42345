// The disc identifier the platform reports: the "dvdid" CRC-64 over the VIDEO_TS listing and the
// heads of two IFO files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include <dvdread/dvd_reader.h>

namespace lumora::dvdread {

// Reflected CRC-64, reflected polynomial 0x92C64265D32139A4, initial value all ones, no final xor.
class Crc64 {
public:
    void Add(std::span<const uint8_t> bytes);
    uint64_t Value() const { return value_; }

private:
    uint64_t value_ = ~uint64_t{0};
};

struct VideoTsEntry {
    std::string upperName;
    uint64_t fileTime;  // modification time, 100 ns units since 1601-01-01
    uint64_t size;
};

// The regular files directly in the folder, sorted by upper-cased name.
std::vector<VideoTsEntry> ListVideoTs(const std::filesystem::path& videoTs);

// The identifier from a listing and the two IFO heads (each at most 64 KiB, possibly empty).
uint64_t DiscIdOf(const std::vector<VideoTsEntry>& listing, std::span<const uint8_t> videoManagerHead,
                  std::span<const uint8_t> firstTitleSetHead);

// The identifier of the volume in the folder, reading the IFO heads through the reader.
uint64_t ComputeDiscId(const std::filesystem::path& videoTs, dvd_reader_t* reader);

}  // namespace lumora::dvdread
