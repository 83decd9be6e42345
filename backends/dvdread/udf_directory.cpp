#include "backends/dvdread/udf_directory.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

#include "backends/dvdread/read_at.h"
#include "platform/ascii.h"

namespace lumora::dvdread {

namespace {

constexpr uint64_t kBlock = 2048;
constexpr uint64_t kAnchorBlock = 256;
// Far more descriptors than a disc has before the one looked for, and far more than the records
// of a VIDEO_TS folder of 99 title sets.
constexpr uint64_t kMaxScan = 64;
constexpr uint64_t kMaxDirectory = 1 << 20;

enum Tag : uint16_t {
    kAnchor = 2,
    kPartition = 5,
    kTerminator = 8,
    kFileSet = 256,
    kFileIdentifier = 257,
    kFileEntry = 261,
};
enum FileType : uint8_t { kDirectory = 4, kRegularFile = 5 };
enum Characteristics : uint8_t { kIsDirectory = 0x02, kIsDeleted = 0x04, kIsParent = 0x08 };

uint16_t Little16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }
uint32_t Little32(const uint8_t* bytes) {
    return uint32_t{Little16(bytes)} | uint32_t{Little16(bytes + 2)} << 16;
}
uint64_t Little64(const uint8_t* bytes) {
    return uint64_t{Little32(bytes)} | uint64_t{Little32(bytes + 4)} << 32;
}

struct Extent {
    uint64_t offset;  // in the image, bytes
    uint64_t length;
};

// Where an ICB is: its first block in the partition and the length of its extent.
struct Icb {
    uint32_t block;
    uint32_t length;
};

struct FileEntry {
    uint8_t type;
    uint64_t size;
    uint64_t fileTime;
    std::vector<Extent> extents;
};

struct Identifier {
    std::string name;
    uint8_t characteristics;
    Icb icb;
};

// A dstring of the file identifier: 8-bit characters, or 16-bit ones of which libdvdread keeps
// only those that fit in 8 bits (a name with any other is no name).
std::string DecodeName(const uint8_t* bytes, size_t length) {
    if (length == 0 || (bytes[0] != 8 && bytes[0] != 16)) return "";
    std::string name;
    if (bytes[0] == 8) return std::string(reinterpret_cast<const char*>(bytes + 1), length - 1);
    for (size_t at = 1; at + 1 < length; at += 2) {
        if (bytes[at] != 0) return "";
        name += static_cast<char>(bytes[at + 1]);
    }
    return name;
}

class UdfReader {
public:
    explicit UdfReader(int image) : image_(image) {}

    UdfListing Listing() {
        UdfListing listing;
        if (const auto root = Root()) {
            if (const auto videoTs = Find(*root, "VIDEO_TS")) {
                for (const Identifier& file : Identifiers(*videoTs)) {
                    if (file.characteristics & (kIsDirectory | kIsParent | kIsDeleted)) continue;
                    const std::optional<FileEntry> entry = Map(file.icb);
                    if (!entry || entry->type != kRegularFile) continue;
                    for (const Extent& extent : entry->extents)
                        end_ = std::max(end_, extent.offset + extent.length);
                    const uint64_t offset = entry->extents.empty() ? 0 : entry->extents.front().offset;
                    listing.files.push_back({{UpperAscii(file.name), entry->fileTime, entry->size}, offset});
                }
            }
        }
        std::sort(listing.files.begin(), listing.files.end(), [](const ImageFile& a, const ImageFile& b) {
            return a.entry.upperName < b.entry.upperName;
        });
        listing.end = end_;
        return listing;
    }

private:
    // The blocks at an absolute block number, counted into end_; empty unless all could be read.
    std::vector<uint8_t> Blocks(uint64_t block, uint64_t count) {
        end_ = std::max(end_, (block + count) * kBlock);
        std::vector<uint8_t> bytes = ReadAt(image_, block * kBlock, count * kBlock);
        if (bytes.size() != count * kBlock) bytes.clear();
        return bytes;
    }
    static uint16_t TagOf(const std::vector<uint8_t>& block) {
        return block.empty() ? 0 : Little16(block.data());
    }

    // The root folder's entry, through the anchor, partition 0 and the file set descriptor.
    std::optional<FileEntry> Root() {
        const std::vector<uint8_t> anchor = Blocks(kAnchorBlock, 1);
        if (TagOf(anchor) != kAnchor) return std::nullopt;
        const uint32_t sequenceLength = Little32(anchor.data() + 16), sequence = Little32(anchor.data() + 20);
        const uint64_t sequenceBlocks = std::min<uint64_t>((sequenceLength + kBlock - 1) / kBlock, kMaxScan);
        bool found = false;
        for (uint64_t i = 0; i < std::max<uint64_t>(sequenceBlocks, 1) && !found; ++i) {
            const std::vector<uint8_t> descriptor = Blocks(sequence + i, 1);
            const uint16_t tag = TagOf(descriptor);
            if (tag == kTerminator) break;
            if (tag == kPartition && Little16(descriptor.data() + 22) == 0) {
                partitionStart_ = Little32(descriptor.data() + 188);
                partitionLength_ = Little32(descriptor.data() + 192);
                found = true;
            }
        }
        if (!found) return std::nullopt;
        for (uint64_t i = 0; i < std::clamp<uint64_t>(partitionLength_, 1, kMaxScan); ++i) {
            const std::vector<uint8_t> descriptor = Blocks(partitionStart_ + i, 1);
            const uint16_t tag = TagOf(descriptor);
            if (tag == kTerminator) break;
            if (tag != kFileSet) continue;
            if (Little16(descriptor.data() + 408) != 0) return std::nullopt;  // another partition
            const std::optional<FileEntry> root =
                Map({Little32(descriptor.data() + 404), Little32(descriptor.data() + 400) & 0x3FFFFFFF});
            if (!root || root->type != kDirectory) return std::nullopt;
            return root;
        }
        return std::nullopt;
    }

    // The first file entry in the ICB's extent.
    std::optional<FileEntry> Map(const Icb& icb) {
        const uint64_t blocks =
            std::clamp<uint64_t>((uint64_t{icb.length} + kBlock - 1) / kBlock, 1, kMaxScan);
        for (uint64_t i = 0; i < blocks; ++i) {
            const uint64_t number = partitionStart_ + icb.block + i;
            const std::vector<uint8_t> block = Blocks(number, 1);
            if (TagOf(block) == kFileEntry) return ParseEntry(block.data(), number);
        }
        return std::nullopt;
    }

    FileEntry ParseEntry(const uint8_t* entry, uint64_t number) const {
        FileEntry file{entry[16 + 11], Little64(entry + 56), UdfTimeToFileTime(entry + 84), {}};
        const uint16_t flags = Little16(entry + 16 + 18);
        const uint64_t attributes = Little32(entry + 168), descriptors = Little32(entry + 172);
        const uint64_t first = 176 + attributes;
        if (first + descriptors > kBlock) return file;
        if ((flags & 7) == 3) {  // the data is in the entry itself
            file.extents.push_back({number * kBlock + first, descriptors});
            return file;
        }
        const uint64_t size = (flags & 7) == 0 ? 8 : (flags & 7) == 1 ? 16 : (flags & 7) == 2 ? 20 : 0;
        for (uint64_t at = first; size != 0 && at + size <= first + descriptors; at += size) {
            const uint32_t length = Little32(entry + at);
            const uint32_t block = Little32(entry + at + ((flags & 7) == 2 ? 12 : 4));
            // The top two bits say how the extent is recorded; 3: it continues the descriptors.
            if ((length & 0x3FFFFFFF) == 0 || length >> 30 == 3) continue;
            file.extents.push_back({(partitionStart_ + block) * kBlock, length & 0x3FFFFFFF});
        }
        return file;
    }

    std::vector<Identifier> Identifiers(const FileEntry& folder) {
        std::vector<uint8_t> bytes;
        for (const Extent& extent : folder.extents) {
            if (bytes.size() + extent.length > kMaxDirectory) break;
            std::vector<uint8_t> part;
            if (extent.offset % kBlock == 0) {  // libdvdread reads a block more than the length
                part = Blocks(extent.offset / kBlock, extent.length / kBlock + 1);
                part.resize(std::min<uint64_t>(part.size(), extent.length));
            } else {
                end_ = std::max(end_, extent.offset + extent.length);
                part = ReadAt(image_, extent.offset, extent.length);
            }
            if (part.size() != extent.length) break;
            bytes.insert(bytes.end(), part.begin(), part.end());
        }
        std::vector<Identifier> identifiers;
        for (size_t at = 0; at + 38 <= bytes.size() && Little16(bytes.data() + at) == kFileIdentifier;) {
            const uint8_t* record = bytes.data() + at;
            const size_t nameLength = record[19], useLength = Little16(record + 36);
            if (at + 38 + useLength + nameLength > bytes.size()) break;
            identifiers.push_back({DecodeName(record + 38 + useLength, nameLength),
                                   record[18],
                                   {Little32(record + 24), Little32(record + 20) & 0x3FFFFFFF}});
            at += 4 * ((38 + nameLength + useLength + 3) / 4);
        }
        return identifiers;
    }

    // The entry of the folder's first item of that name, in any case.
    std::optional<FileEntry> Find(const FileEntry& folder, const std::string& upperName) {
        for (const Identifier& item : Identifiers(folder))
            if (!(item.characteristics & kIsParent) && UpperAscii(item.name) == upperName)
                return Map(item.icb);
        return std::nullopt;
    }

    int image_;
    uint64_t end_ = 0;
    uint64_t partitionStart_ = 0;
    uint64_t partitionLength_ = 0;
};

}  // namespace

uint64_t UdfTimeToFileTime(const uint8_t time[12]) {
    using namespace std::chrono;
    const uint16_t typeAndZone = Little16(time);
    const int year = static_cast<int16_t>(Little16(time + 2));
    const year_month_day date{std::chrono::year{year}, month{time[4]}, day{time[5]}};
    if (!date.ok() || time[6] > 23 || time[7] > 59 || time[8] > 60 || time[9] > 99 || time[10] > 99 ||
        time[11] > 99)
        return 0;
    // A zone of 12 signed bits, minutes east of UTC, for a time of type 1 (local); -2047: none given.
    int zone = typeAndZone & 0x0FFF;
    if (zone & 0x0800) zone -= 0x1000;
    if (typeAndZone >> 12 != 1 || zone == -2047 || zone < -1440 || zone > 1440) zone = 0;
    const int64_t seconds = duration_cast<std::chrono::seconds>(sys_days(date).time_since_epoch()).count() +
                            time[6] * 3600 + time[7] * 60 + time[8] - zone * 60;
    const uint32_t nanoseconds = time[9] * 10'000'000u + time[10] * 100'000u + time[11] * 1'000u;
    return FileTimeFromUnix(seconds, nanoseconds);
}

UdfListing ReadUdfVideoTs(int image) { return UdfReader(image).Listing(); }

}  // namespace lumora::dvdread
