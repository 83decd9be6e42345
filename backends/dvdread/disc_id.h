// The disc identifier the platform reports: the "dvdid" CRC-64 over the VIDEO_TS listing and the
// heads of two IFO files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Seconds (and nanoseconds) since 1970-01-01 UTC as 100 ns units since 1601-01-01; 0 before 1601.
uint64_t FileTimeFromUnix(int64_t seconds, uint32_t nanoseconds);

// The regular files directly in the folder, sorted by upper-cased name. Nothing is opened.
std::vector<VideoTsEntry> ListVideoTs(const std::filesystem::path& videoTs);

// The identifier from a listing and the two IFO heads (each at most 64 KiB, possibly empty).
uint64_t DiscIdOf(const std::vector<VideoTsEntry>& listing, std::span<const uint8_t> videoManagerHead,
                  std::span<const uint8_t> firstTitleSetHead);

// The head the identifier hashes of a file of size bytes at offset in fd: its first
// min(size, 64 KiB) bytes, fewer when they cannot be read; empty for fd -1.
std::vector<uint8_t> ReadFileHead(int fd, uint64_t offset, uint64_t size);

// The listed size of the file of that upper-cased name; 0 when it is not listed.
uint64_t ListedSize(const std::vector<VideoTsEntry>& listing, std::string_view upperName);

}  // namespace lumora::dvdread
