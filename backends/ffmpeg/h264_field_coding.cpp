#include "backends/ffmpeg/h264_field_coding.h"

#include <algorithm>
#include <vector>

#include "backends/ffmpeg/nal_units.h"

namespace lumora::ffmpeg {
namespace {

constexpr uint8_t kSequenceParameterSet = 7;

// An unescaped payload read bit by bit; reads past the end give zeros and mark the reader failed.
class BitReader {
public:
    explicit BitReader(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    uint32_t Bits(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            if (position_ >= bytes_.size() * 8) {
                failed_ = true;
                return 0;
            }
            value = (value << 1) | ((bytes_[position_ / 8] >> (7 - position_ % 8)) & 1);
            ++position_;
        }
        return value;
    }
    uint32_t Unsigned() {  // ue(v)
        int zeros = 0;
        while (!failed_ && Bits(1) == 0)
            if (++zeros > 31) failed_ = true;
        return failed_ ? 0 : (uint32_t{1} << zeros) - 1 + Bits(zeros);
    }
    void SkipSigned() { Unsigned(); }  // se(v) has the same length
    bool Failed() const { return failed_; }

private:
    std::vector<uint8_t> bytes_;
    size_t position_ = 0;
    bool failed_ = false;
};

bool HasChromaFormat(uint32_t profile) {
    constexpr uint32_t kProfiles[] = {100, 110, 122, 244, 44, 83, 86, 118, 128, 138, 139, 134, 135};
    return std::find(std::begin(kProfiles), std::end(kProfiles), profile) != std::end(kProfiles);
}

void SkipScalingList(BitReader& bits, int size) {
    int last = 8, next = 8;
    for (int i = 0; i < size && !bits.Failed(); ++i) {
        if (next != 0) {
            const uint32_t code = bits.Unsigned();
            const int delta = code & 1 ? static_cast<int>((code + 1) / 2) : -static_cast<int>(code / 2);
            next = (last + delta + 256) % 256;
        }
        if (next != 0) last = next;
    }
}

// The sequence parameter set's payload, after its one-byte NAL header.
std::optional<bool> FieldsAllowed(Bytes payload) {
    BitReader bits(Unescaped(payload));
    const uint32_t profile = bits.Bits(8);
    bits.Bits(16);    // constraint flags, level
    bits.Unsigned();  // seq_parameter_set_id
    if (HasChromaFormat(profile)) {
        const uint32_t chromaFormat = bits.Unsigned();
        if (chromaFormat == 3) bits.Bits(1);
        bits.Unsigned();  // bit depths
        bits.Unsigned();
        bits.Bits(1);
        if (bits.Bits(1))
            for (int i = 0; i < (chromaFormat == 3 ? 12 : 8) && !bits.Failed(); ++i)
                if (bits.Bits(1)) SkipScalingList(bits, i < 6 ? 16 : 64);
    }
    bits.Unsigned();  // log2_max_frame_num_minus4
    const uint32_t pictureOrderType = bits.Unsigned();
    if (pictureOrderType == 0) {
        bits.Unsigned();
    } else if (pictureOrderType == 1) {
        bits.Bits(1);
        bits.SkipSigned();
        bits.SkipSigned();
        const uint32_t cycle = std::min<uint32_t>(bits.Unsigned(), 255);
        for (uint32_t i = 0; i < cycle && !bits.Failed(); ++i)
            bits.SkipSigned();
    }
    bits.Unsigned();  // max_num_ref_frames
    bits.Bits(1);
    bits.Unsigned();  // picture size
    bits.Unsigned();
    const bool frameMacroblocksOnly = bits.Bits(1);
    if (bits.Failed()) return std::nullopt;
    return !frameMacroblocksOnly;
}

}  // namespace

std::optional<bool> H264AllowsFields(Bytes extradata) {
    for (const Bytes unit : NalUnitsOfExtradata(extradata, false).units)
        if (unit.size() > 1 && (unit[0] & 0x1F) == kSequenceParameterSet)
            return FieldsAllowed(unit.subspan(1));
    return std::nullopt;
}

}  // namespace lumora::ffmpeg
