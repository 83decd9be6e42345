#include "backends/dvdread/snapshot_bytes.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

namespace lumora::dvdread {

namespace {

constexpr uint32_t kMagic = 0x4C445644;  // "DVDL"
// Longer than any label or identifier: a folder's name has at most 255 bytes.
constexpr size_t kMaxText = 1024;

class ByteWriter {
public:
    template <class T>
    void Put(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        const size_t at = bytes_.size();
        bytes_.resize(at + sizeof value);
        std::memcpy(bytes_.data() + at, &value, sizeof value);
    }
    template <class T>
    void PutList(const std::vector<T>& items, size_t limit) {
        const auto count = static_cast<uint32_t>(std::min(items.size(), limit));
        Put(count);
        for (uint32_t i = 0; i < count; ++i)
            Put(items[i]);
    }
    void PutText(const std::string& text) {
        PutList(std::vector<char>(text.begin(), text.end()), kMaxText);
    }
    std::vector<uint8_t> Bytes() && { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Every take fails once the bytes run short, and so does every later one.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    template <class T>
    bool Take(T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        if (failed_ || bytes_.size() < sizeof value) return Fail();
        std::memcpy(&value, bytes_.data(), sizeof value);
        bytes_ = bytes_.subspan(sizeof value);
        return true;
    }
    template <class T>
    bool TakeList(std::vector<T>& items, size_t limit) {
        uint32_t count = 0;
        if (!Take(count) || count > limit || count > bytes_.size() / sizeof(T)) return Fail();
        items.resize(count);
        for (T& item : items)
            Take(item);
        return !failed_;
    }
    bool TakeText(std::string& text) {
        std::vector<char> characters;
        if (!TakeList(characters, kMaxText)) return false;
        text.assign(characters.begin(), characters.end());
        return true;
    }
    size_t Left() const { return bytes_.size(); }
    bool Failed() const { return failed_; }

private:
    bool Fail() {
        failed_ = true;
        return false;
    }

    std::span<const uint8_t> bytes_;
    bool failed_ = false;
};

void PutVolumeDetails(ByteWriter& out, const DvdVolumeDetails& volume) {
    out.PutText(volume.label);
    out.Put(volume.labelSource);
    out.PutText(volume.vmgIdentifier);
    out.PutText(volume.providerIdentifier);
    out.Put(volume.titleSets);
    out.Put(volume.category);
}

bool TakeVolumeDetails(ByteReader& in, DvdVolumeDetails& volume) {
    return in.TakeText(volume.label) && in.Take(volume.labelSource) && in.TakeText(volume.vmgIdentifier) &&
           in.TakeText(volume.providerIdentifier) && in.Take(volume.titleSets) && in.Take(volume.category);
}

void PutTitleDetails(ByteWriter& out, const DvdTitleDetails& title) {
    out.Put(title.titleSet);
    out.Put(title.titleInSet);
    out.Put(title.angles);
    out.PutText(title.titleSetIdentifier);
    out.Put(title.playbackTime);
    out.Put(title.video);
    out.PutList(title.audio, kDvdMaxAudioStreams);
    out.PutList(title.subpictures, kDvdMaxSubpictureStreams);
    out.Put(title.palette);
    out.PutList(title.programMap, kDvdMaxPrograms);
    out.PutList(title.cells, kDvdMaxCells);
}

bool TakeTitleDetails(ByteReader& in, DvdTitleDetails& title) {
    return in.Take(title.titleSet) && in.Take(title.titleInSet) && in.Take(title.angles) &&
           in.TakeText(title.titleSetIdentifier) && in.Take(title.playbackTime) && in.Take(title.video) &&
           in.TakeList(title.audio, kDvdMaxAudioStreams) &&
           in.TakeList(title.subpictures, kDvdMaxSubpictureStreams) && in.Take(title.palette) &&
           in.TakeList(title.programMap, kDvdMaxPrograms) && in.TakeList(title.cells, kDvdMaxCells);
}

}  // namespace

std::vector<uint8_t> SerializeSnapshot(const VolumeSnapshot& snapshot) {
    ByteWriter out;
    out.Put(kMagic);
    VolumeFacts facts = snapshot.facts;
    facts.titleCount = static_cast<ULONG>(snapshot.titles.size());
    out.Put(facts);
    PutVolumeDetails(out, snapshot.volumeDetails);
    for (size_t i = 0; i < snapshot.titles.size(); ++i) {
        out.Put(snapshot.titles[i]);
        PutTitleDetails(out, i < snapshot.titleDetails.size() ? snapshot.titleDetails[i] : DvdTitleDetails{});
    }
    out.Put(kMagic);
    return std::move(out).Bytes();
}

std::optional<VolumeSnapshot> DeserializeSnapshot(std::span<const uint8_t> bytes,
                                                  std::filesystem::path location) {
    ByteReader in(bytes);
    uint32_t magic = 0;
    VolumeSnapshot snapshot{};
    snapshot.location = std::move(location);
    if (!in.Take(magic) || magic != kMagic || !in.Take(snapshot.facts) ||
        !TakeVolumeDetails(in, snapshot.volumeDetails))
        return std::nullopt;
    const size_t count = snapshot.facts.titleCount;
    if (count > in.Left() / sizeof(TitleFacts)) return std::nullopt;
    snapshot.titles.resize(count);
    snapshot.titleDetails.resize(count);
    for (size_t i = 0; i < count; ++i)
        if (!in.Take(snapshot.titles[i]) || !TakeTitleDetails(in, snapshot.titleDetails[i])) return std::nullopt;
    if (!in.Take(magic) || magic != kMagic || in.Left() != 0) return std::nullopt;
    return snapshot;
}

}  // namespace lumora::dvdread
