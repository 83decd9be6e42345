#include "backends/ffmpeg/inband_hdr.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace lumora::ffmpeg {
namespace {

constexpr unsigned kSeiUserDataRegistered = 4;
constexpr unsigned kSeiMasteringDisplay = 137;
constexpr unsigned kSeiContentLightLevel = 144;
constexpr unsigned kObuMetadata = 5;
constexpr uint64_t kMetadataLightLevel = 1;
constexpr uint64_t kMetadataMasteringDisplay = 2;
constexpr uint64_t kMetadataT35 = 4;

// Big-endian fields read one after another; a read past the end fails the reader.
class ByteReader {
public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    uint32_t Unsigned(int size) {
        uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            if (at_ >= bytes_.size()) {
                failed_ = true;
                return 0;
            }
            value = value << 8 | bytes_[at_++];
        }
        return value;
    }
    // AV1's leb128.
    uint64_t Leb128() {
        uint64_t value = 0;
        for (int i = 0; i < 8; ++i) {
            const uint32_t byte = Unsigned(1);
            value |= uint64_t{byte & 0x7F} << (7 * i);
            if (!(byte & 0x80)) break;
        }
        return value;
    }
    Bytes Take(size_t size) {
        if (size > bytes_.size() - at_) {
            failed_ = true;
            size = bytes_.size() - at_;
        }
        const Bytes part = bytes_.subspan(at_, size);
        at_ += size;
        return part;
    }
    size_t Left() const { return bytes_.size() - at_; }
    bool Failed() const { return failed_; }

private:
    Bytes bytes_;
    size_t at_ = 0;
    bool failed_ = false;
};

// ITU-T T.35 data that is HDR10+ (SMPTE ST 2094-40, application 4), from the country code on.
bool IsHdr10Plus(Bytes data) {
    ByteReader bytes(data);
    const uint32_t country = bytes.Unsigned(1);
    if (country == 0xFF) bytes.Unsigned(1);
    const uint32_t provider = bytes.Unsigned(2);
    const uint32_t oriented = bytes.Unsigned(2);
    const uint32_t application = bytes.Unsigned(1);
    return !bytes.Failed() && country == 0xB5 && provider == 0x003C && oriented == 0x0001 && application == 4;
}

// Three primaries in the stored order, then the white point; `scale` turns a stored value into a
// coordinate.
MediaMasteringDisplay Primaries(ByteReader& bytes, const int (&order)[3], double scale) {
    MediaMasteringDisplay display;
    std::optional<MediaChromaticity>* targets[] = {&display.red, &display.green, &display.blue};
    for (const int target : order) {
        const double x = bytes.Unsigned(2) * scale;
        const double y = bytes.Unsigned(2) * scale;
        *targets[target] = MediaChromaticity{x, y};
    }
    const double x = bytes.Unsigned(2) * scale;
    const double y = bytes.Unsigned(2) * scale;
    display.whitePoint = MediaChromaticity{x, y};
    return display;
}

void MergeLevels(ByteReader& bytes, MediaVideoDetails& video) {
    const auto maxCll = static_cast<int>(bytes.Unsigned(2));
    const auto maxFall = static_cast<int>(bytes.Unsigned(2));
    if (bytes.Failed()) return;
    if (!video.maxContentLightLevel && maxCll) video.maxContentLightLevel = maxCll;
    if (!video.maxFrameAverageLightLevel && maxFall) video.maxFrameAverageLightLevel = maxFall;
}

}  // namespace

InBandHdr::InBandHdr(const AVCodecParameters& codec, MediaVideoDetails& video) : video_(video) {
    switch (codec.codec_id) {
        case AV_CODEC_ID_H264: codec_ = Codec::H264; break;
        case AV_CODEC_ID_HEVC: codec_ = Codec::Hevc; break;
        case AV_CODEC_ID_AV1: codec_ = Codec::Av1; return;
        default: return;
    }
    const Bytes extradata(codec.extradata, static_cast<size_t>(std::max(codec.extradata_size, 0)));
    const StoredNalUnits stored = NalUnitsOfExtradata(extradata, codec_ == Codec::Hevc);
    lengthSize_ = stored.lengthSize;
    for (const Bytes unit : stored.units)
        ReadNalUnit(unit);
}

void InBandHdr::Read(Bytes packet) {
    if (codec_ == Codec::Av1) return ReadObus(packet);
    for (const Bytes unit : SplitNalUnits(packet, lengthSize_))
        ReadNalUnit(unit);
}

void InBandHdr::ReadNalUnit(Bytes unit) {
    if (codec_ == Codec::Hevc && unit.size() > 2) {
        const int type = (unit[0] >> 1) & 0x3F;
        if (type == 39 || type == 40) ReadSei(unit.subspan(2));  // prefix and suffix SEI
    } else if (codec_ == Codec::H264 && unit.size() > 1 && (unit[0] & 0x1F) == 6) {
        ReadSei(unit.subspan(1));
    }
}

void InBandHdr::ReadSei(Bytes payload) {
    const std::vector<uint8_t> unescaped = Unescaped(payload);
    ByteReader messages{Bytes(unescaped)};
    while (messages.Left() > 1 && !messages.Failed()) {
        unsigned type = 0, size = 0, byte = 0;
        while ((byte = messages.Unsigned(1)) == 0xFF)
            type += 255;
        type += byte;
        while ((byte = messages.Unsigned(1)) == 0xFF)
            size += 255;
        size += byte;
        ByteReader message(messages.Take(size));
        if (messages.Failed()) return;
        if (type == kSeiMasteringDisplay && !video_.masteringDisplay) {
            // Green, blue, red in units of 0.00002; luminances in units of 0.0001 cd/m².
            MediaMasteringDisplay display = Primaries(message, {1, 2, 0}, 0.00002);
            display.maxLuminance = message.Unsigned(4) * 0.0001;
            display.minLuminance = message.Unsigned(4) * 0.0001;
            if (!message.Failed()) video_.masteringDisplay = display;
        } else if (type == kSeiContentLightLevel) {
            MergeLevels(message, video_);
        } else if (type == kSeiUserDataRegistered && IsHdr10Plus(message.Take(message.Left()))) {
            video_.hdr10Plus = true;
        }
    }
}

void InBandHdr::ReadObus(Bytes packet) {
    ByteReader obus(packet);
    while (obus.Left() > 0 && !obus.Failed()) {
        const uint32_t header = obus.Unsigned(1);
        if (header & 0x04) obus.Unsigned(1);  // extension
        const size_t size =
            header & 0x02 ? static_cast<size_t>(std::min<uint64_t>(obus.Leb128(), SIZE_MAX)) : obus.Left();
        ByteReader obu(obus.Take(size));
        if (obus.Failed() || ((header >> 3) & 0x0F) != kObuMetadata) continue;
        const uint64_t type = obu.Leb128();
        if (type == kMetadataMasteringDisplay && !video_.masteringDisplay) {
            // Red, green, blue and white in 0.16 fixed point; luminances in 24.8 and 18.14.
            MediaMasteringDisplay display = Primaries(obu, {0, 1, 2}, 1.0 / 65536);
            display.maxLuminance = obu.Unsigned(4) / 256.0;
            display.minLuminance = obu.Unsigned(4) / 16384.0;
            if (!obu.Failed()) video_.masteringDisplay = display;
        } else if (type == kMetadataLightLevel) {
            MergeLevels(obu, video_);
        } else if (type == kMetadataT35 && IsHdr10Plus(obu.Take(obu.Left()))) {
            video_.hdr10Plus = true;
        }
    }
}

}  // namespace lumora::ffmpeg
