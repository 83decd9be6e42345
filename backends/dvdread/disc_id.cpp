#include "backends/dvdread/disc_id.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "backends/dvdread/read_at.h"
#include "platform/ascii.h"

namespace lumora::dvdread {

namespace {

constexpr uint64_t kPolynomial = 0x92C64265D32139A4;
constexpr size_t kHeadLimit = 65536;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kFileTimeEpochOffset = 11644473600;

// tables[0] advances the CRC by one byte; tables[k] by one byte followed by k zero bytes, so that
// eight bytes are taken at once (slicing by 8: the heads of two IFO files are up to 128 KB).
using Tables = std::array<std::array<uint64_t, 256>, 8>;

constexpr Tables MakeTables() {
    Tables tables{};
    for (uint64_t i = 0; i < 256; ++i) {
        uint64_t value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = value & 1 ? (value >> 1) ^ kPolynomial : value >> 1;
        tables[0][i] = value;
    }
    for (size_t k = 1; k < tables.size(); ++k)
        for (size_t i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    return tables;
}

constexpr Tables kTables = MakeTables();

void AddLittleEndian(Crc64& crc, uint64_t value, size_t bytes) {
    std::array<uint8_t, 8> buffer{};
    for (size_t i = 0; i < bytes; ++i)
        buffer[i] = static_cast<uint8_t>(value >> (8 * i));
    crc.Add(std::span(buffer.data(), bytes));
}

}  // namespace

uint64_t FileTimeFromUnix(int64_t unixSeconds, uint32_t nanoseconds) {
    const int64_t seconds = unixSeconds + kFileTimeEpochOffset;
    if (seconds < 0) return 0;
    return static_cast<uint64_t>(seconds) * 10'000'000 + nanoseconds / 100;
}

void Crc64::Add(std::span<const uint8_t> bytes) {
    size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        uint64_t word = value_;
        for (size_t i = 0; i < 8; ++i)
            word ^= uint64_t{bytes[at + i]} << (8 * i);
        value_ = 0;
        for (size_t i = 0; i < 8; ++i)
            value_ ^= kTables[7 - i][(word >> (8 * i)) & 0xFF];
    }
    for (; at < bytes.size(); ++at)
        value_ = kTables[0][(value_ ^ bytes[at]) & 0xFF] ^ (value_ >> 8);
}

std::vector<VideoTsEntry> ListVideoTs(const std::filesystem::path& videoTs) {
    std::vector<VideoTsEntry> listing;
    std::error_code error;
    for (std::filesystem::directory_iterator it(videoTs, error), end; !error && it != end;
         it.increment(error)) {
        struct stat info {};
        if (::stat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        listing.push_back({UpperAscii(it->path().filename().string()),
                           FileTimeFromUnix(info.st_mtim.tv_sec, static_cast<uint32_t>(info.st_mtim.tv_nsec)),
                           static_cast<uint64_t>(info.st_size)});
    }
    std::sort(listing.begin(), listing.end(),
              [](const VideoTsEntry& a, const VideoTsEntry& b) { return a.upperName < b.upperName; });
    return listing;
}

uint64_t DiscIdOf(const std::vector<VideoTsEntry>& listing, std::span<const uint8_t> videoManagerHead,
                  std::span<const uint8_t> firstTitleSetHead) {
    Crc64 crc;
    for (const VideoTsEntry& entry : listing) {
        AddLittleEndian(crc, entry.fileTime, 8);
        AddLittleEndian(crc, entry.size & 0xFFFFFFFF, 4);
        crc.Add(
            std::span(reinterpret_cast<const uint8_t*>(entry.upperName.c_str()), entry.upperName.size() + 1));
    }
    crc.Add(videoManagerHead.first(std::min(videoManagerHead.size(), kHeadLimit)));
    crc.Add(firstTitleSetHead.first(std::min(firstTitleSetHead.size(), kHeadLimit)));
    return crc.Value();
}

std::vector<uint8_t> ReadFileHead(int fd, uint64_t offset, uint64_t size) {
    if (fd < 0) return {};
    return ReadAt(fd, offset, std::min<uint64_t>(size, kHeadLimit));
}

uint64_t ListedSize(const std::vector<VideoTsEntry>& listing, std::string_view upperName) {
    for (const VideoTsEntry& entry : listing)
        if (entry.upperName == upperName) return entry.size;
    return 0;
}

}  // namespace lumora::dvdread
