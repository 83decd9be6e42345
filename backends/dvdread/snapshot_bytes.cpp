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
    bool operator()(const T& value) {
        if constexpr (std::is_same_v<T, std::string>) {
            return List(std::vector<char>(value.begin(), value.end()), kMaxText);
        } else {
            static_assert(std::is_trivially_copyable_v<T>);
            const size_t at = bytes_.size();
            bytes_.resize(at + sizeof value);
            std::memcpy(bytes_.data() + at, &value, sizeof value);
            return true;
        }
    }
    template <class T>
    bool List(const std::vector<T>& items, size_t limit) {
        const auto count = static_cast<uint32_t>(std::min(items.size(), limit));
        (*this)(count);
        for (uint32_t i = 0; i < count; ++i)
            (*this)(items[i]);
        return true;
    }
    // The first `count` entries of a fixed array, after their count.
    template <class T, size_t N>
    bool Array(const T (&items)[N], const ULONG& count) {
        const ULONG used = std::min<ULONG>(count, N);
        (*this)(used);
        for (ULONG i = 0; i < used; ++i)
            (*this)(items[i]);
        return true;
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
    bool operator()(T& value) {
        if constexpr (std::is_same_v<T, std::string>) {
            std::vector<char> characters;
            if (!List(characters, kMaxText)) return false;
            value.assign(characters.begin(), characters.end());
            return true;
        } else {
            static_assert(std::is_trivially_copyable_v<T>);
            if (failed_ || bytes_.size() < sizeof value) return Fail();
            std::memcpy(&value, bytes_.data(), sizeof value);
            bytes_ = bytes_.subspan(sizeof value);
            return true;
        }
    }
    template <class T>
    bool List(std::vector<T>& items, size_t limit) {
        uint32_t count = 0;
        if (!(*this)(count) || count > limit || count > bytes_.size() / sizeof(T)) return Fail();
        items.resize(count);
        for (T& item : items)
            (*this)(item);
        return !failed_;
    }
    template <class T, size_t N>
    bool Array(T (&items)[N], ULONG& count) {
        if (!(*this)(count) || count > N) return Fail();
        for (ULONG i = 0; i < count; ++i)
            (*this)(items[i]);
        return !failed_;
    }
    size_t Left() const { return bytes_.size(); }

private:
    bool Fail() {
        failed_ = true;
        return false;
    }

    std::span<const uint8_t> bytes_;
    bool failed_ = false;
};

// The fields in their order, for writing (const records) and for reading alike.
template <class Stream, class Volume>
bool VolumeDetailsFields(Stream& bytes, Volume& volume) {
    return bytes(volume.label) && bytes(volume.labelSource) && bytes(volume.vmgIdentifier) &&
           bytes(volume.providerIdentifier) && bytes(volume.titleSets) && bytes(volume.category);
}

// A title's attributes with only the streams it has: of 8 audio and 32 subpicture slots, a title
// uses a few.
template <class Stream, class Title>
bool TitleFactsFields(Stream& bytes, Title& title) {
    auto& attributes = title.attributes;
    return bytes(title.sound) && bytes(title.chapters) && bytes(title.parentalLevels) && bytes(title.menu) &&
           bytes(attributes.appMode) && bytes(attributes.video) &&
           bytes.Array(attributes.audio, attributes.audioStreams) &&
           bytes.Array(attributes.subpictures, attributes.subpictureStreams) && bytes(title.totalTime) &&
           bytes(title.timeCodeFlags) && bytes(title.userOperations);
}

template <class Stream, class Title>
bool TitleDetailsFields(Stream& bytes, Title& title) {
    return bytes(title.titleSet) && bytes(title.titleInSet) && bytes(title.angles) &&
           bytes(title.titleSetIdentifier) && bytes(title.playbackTime) && bytes(title.video) &&
           bytes.List(title.audio, kDvdMaxAudioStreams) &&
           bytes.List(title.subpictures, kDvdMaxSubpictureStreams) && bytes(title.palette) &&
           bytes.List(title.programMap, kDvdMaxPrograms) && bytes.List(title.cells, kDvdMaxCells);
}

}  // namespace

std::vector<uint8_t> SerializeSnapshot(const VolumeSnapshot& snapshot) {
    ByteWriter out;
    out(kMagic);
    VolumeFacts facts = snapshot.facts;
    facts.titleCount = static_cast<ULONG>(snapshot.titles.size());
    out(facts);
    VolumeDetailsFields(out, snapshot.volumeDetails);
    const DvdTitleDetails none;
    for (size_t i = 0; i < snapshot.titles.size(); ++i) {
        TitleFactsFields(out, snapshot.titles[i]);
        TitleDetailsFields(out, i < snapshot.titleDetails.size() ? snapshot.titleDetails[i] : none);
    }
    out(kMagic);
    return std::move(out).Bytes();
}

std::optional<VolumeSnapshot> DeserializeSnapshot(std::span<const uint8_t> bytes,
                                                  std::filesystem::path location) {
    ByteReader in(bytes);
    uint32_t magic = 0;
    VolumeSnapshot snapshot{};
    snapshot.location = std::move(location);
    if (!in(magic) || magic != kMagic || !in(snapshot.facts) ||
        !VolumeDetailsFields(in, snapshot.volumeDetails))
        return std::nullopt;
    const size_t count = snapshot.facts.titleCount;
    // Each title takes at least its menu's attributes: a count the bytes cannot hold is refused
    // before anything is made for it.
    if (count > in.Left() / sizeof(DVD_MenuAttributes)) return std::nullopt;
    snapshot.titles.resize(count);
    snapshot.titleDetails.resize(count);
    for (size_t i = 0; i < count; ++i)
        if (!TitleFactsFields(in, snapshot.titles[i]) || !TitleDetailsFields(in, snapshot.titleDetails[i]))
            return std::nullopt;
    if (!in(magic) || magic != kMagic || in.Left() != 0) return std::nullopt;
    return snapshot;
}

}  // namespace lumora::dvdread
