#include "backends/dvdread/image_directory.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>

#include "backends/dvdread/read_at.h"
#include "platform/ascii.h"

namespace lumora::dvdread {

namespace {

constexpr uint64_t kSector = 2048;
constexpr uint64_t kFirstDescriptor = 16;
constexpr uint64_t kMaxDescriptors = 64;
// Far more than the records of the root and of a VIDEO_TS folder of 99 title sets.
constexpr uint64_t kMaxDirectory = 1 << 20;

uint32_t Little32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

struct Record {
    std::string name;  // as recorded, version included
    bool folder;
    bool continued;  // a further extent of the same file follows
    uint64_t offset;
    uint64_t size;
    uint64_t fileTime;
};

struct Extent {
    uint64_t offset;
    uint64_t size;
};

// The records of a directory, "." and ".." left out.
std::vector<Record> ReadDirectory(int image, uint64_t blockSize, const Extent& directory) {
    const std::vector<uint8_t> bytes =
        ReadAt(image, directory.offset, std::min(directory.size, kMaxDirectory));
    std::vector<Record> records;
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t length = bytes[at];
        if (length == 0) {  // records never cross a sector; the rest of this one is padding
            at = (at / kSector + 1) * kSector;
            continue;
        }
        if (length < 34 || at + length > bytes.size()) break;
        const uint8_t* record = bytes.data() + at;
        const size_t nameLength = record[32];
        if (33 + nameLength > length) break;
        at += length;
        if (nameLength == 1 && (record[33] == 0 || record[33] == 1)) continue;
        const uint8_t flags = record[25];
        records.push_back({std::string(reinterpret_cast<const char*>(record + 33), nameLength),
                           (flags & 0x02) != 0, (flags & 0x80) != 0, Little32(record + 2) * blockSize,
                           Little32(record + 10), IsoRecordingTimeToFileTime(record + 18)});
    }
    return records;
}

// "VIDEO_TS.IFO;1" → "VIDEO_TS.IFO"; a name without extension loses its final dot.
std::string PlainName(const std::string& recorded) {
    std::string name = recorded.substr(0, recorded.find(';'));
    if (!name.empty() && name.back() == '.') name.pop_back();
    return UpperAscii(name);
}

}  // namespace

uint64_t IsoRecordingTimeToFileTime(const uint8_t time[7]) {
    using namespace std::chrono;
    const year_month_day date{year{1900 + time[0]}, month{time[1]}, day{time[2]}};
    if (!date.ok() || time[3] > 23 || time[4] > 59 || time[5] > 60) return 0;
    const int64_t seconds = duration_cast<std::chrono::seconds>(sys_days(date).time_since_epoch()).count() +
                            time[3] * 3600 + time[4] * 60 + time[5] - static_cast<int8_t>(time[6]) * 900;
    return FileTimeFromUnix(seconds, 0);
}

bool HasVolumeDescriptors(int image) {
    const std::vector<uint8_t> sector = ReadAt(image, kFirstDescriptor * kSector, 6);
    return sector.size() == 6 && (std::memcmp(sector.data() + 1, "CD001", 5) == 0 ||
                                  std::memcmp(sector.data() + 1, "BEA01", 5) == 0);
}

bool HasIsoPrimaryDescriptor(int image) {
    const std::vector<uint8_t> sector = ReadAt(image, kFirstDescriptor * kSector, 6);
    return sector.size() == 6 && sector[0] == 1 && std::memcmp(sector.data() + 1, "CD001", 5) == 0;
}

std::vector<ImageFile> ReadImageVideoTs(int image) {
    std::optional<std::vector<uint8_t>> primary;
    for (uint64_t sector = kFirstDescriptor; sector < kFirstDescriptor + kMaxDescriptors && !primary;
         ++sector) {
        std::vector<uint8_t> descriptor = ReadAt(image, sector * kSector, kSector);
        if (descriptor.size() < kSector || std::memcmp(descriptor.data() + 1, "CD001", 5) != 0) break;
        if (descriptor[0] == 255) break;  // the set's terminator
        if (descriptor[0] == 1) primary = std::move(descriptor);
    }
    if (!primary) return {};
    const uint64_t blockSize = uint64_t{(*primary)[128]} | uint64_t{(*primary)[129]} << 8;
    if (blockSize != 512 && blockSize != 1024 && blockSize != 2048) return {};
    const uint8_t* root = primary->data() + 156;
    const Extent rootExtent{Little32(root + 2) * blockSize, Little32(root + 10)};

    std::optional<Extent> videoTs;
    for (const Record& record : ReadDirectory(image, blockSize, rootExtent))
        if (record.folder && PlainName(record.name) == "VIDEO_TS")
            videoTs = Extent{record.offset, record.size};
    if (!videoTs) return {};

    std::vector<ImageFile> files;
    bool continuing = false;
    for (const Record& record : ReadDirectory(image, blockSize, *videoTs)) {
        if (record.folder) continue;
        if (continuing && !files.empty())
            files.back().entry.size += record.size;
        else
            files.push_back({{PlainName(record.name), record.fileTime, record.size}, record.offset});
        continuing = record.continued;
    }
    std::sort(files.begin(), files.end(),
              [](const ImageFile& a, const ImageFile& b) { return a.entry.upperName < b.entry.upperName; });
    return files;
}

}  // namespace lumora::dvdread
