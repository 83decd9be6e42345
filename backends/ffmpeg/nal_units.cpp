#include "backends/ffmpeg/nal_units.h"

namespace lumora::ffmpeg {
namespace {

// The offset of the next start code (00 00 01) from `from`, or the size.
size_t NextStartCode(Bytes data, size_t from) {
    for (size_t i = from; i + 2 < data.size(); ++i)
        if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) return i;
    return data.size();
}

std::vector<Bytes> ByteStreamUnits(Bytes data) {
    std::vector<Bytes> units;
    for (size_t start = NextStartCode(data, 0); start < data.size();) {
        const size_t begin = start + 3;
        size_t end = NextStartCode(data, begin);
        start = end;
        while (end > begin && data[end - 1] == 0)  // trailing zeros belong to the next start code
            --end;
        if (end > begin) units.push_back(data.subspan(begin, end - begin));
    }
    return units;
}

// hvcC: 22 bytes, then arrays of units, each unit after a 16-bit length.
std::vector<Bytes> HevcRecordUnits(Bytes record) {
    std::vector<Bytes> units;
    if (record.size() < 23) return units;
    size_t at = 23;
    for (unsigned array = 0; array < record[22]; ++array) {
        if (at + 3 > record.size()) break;
        const unsigned count = record[at + 1] << 8 | record[at + 2];
        at += 3;
        for (unsigned i = 0; i < count; ++i) {
            if (at + 2 > record.size()) return units;
            const size_t length = size_t{record[at]} << 8 | record[at + 1];
            if (at + 2 + length > record.size()) return units;
            units.push_back(record.subspan(at + 2, length));
            at += 2 + length;
        }
    }
    return units;
}

// avcC: 5 bytes, then the sequence and picture parameter sets, each after a 16-bit length.
std::vector<Bytes> AvcRecordUnits(Bytes record) {
    std::vector<Bytes> units;
    if (record.size() < 6) return units;
    size_t at = 5;
    for (int list = 0; list < 2 && at < record.size(); ++list) {
        const unsigned count = list == 0 ? record[at] & 0x1F : record[at];
        ++at;
        for (unsigned i = 0; i < count; ++i) {
            if (at + 2 > record.size()) return units;
            const size_t length = size_t{record[at]} << 8 | record[at + 1];
            if (at + 2 + length > record.size()) return units;
            units.push_back(record.subspan(at + 2, length));
            at += 2 + length;
        }
    }
    return units;
}

}  // namespace

std::vector<Bytes> SplitNalUnits(Bytes data, int lengthSize) {
    if (lengthSize <= 0 || lengthSize > 4) return ByteStreamUnits(data);
    std::vector<Bytes> units;
    const auto size = static_cast<size_t>(lengthSize);
    for (size_t at = 0; at + size <= data.size();) {
        size_t length = 0;
        for (size_t i = 0; i < size; ++i)
            length = length << 8 | data[at + i];
        at += size;
        if (length > data.size() - at) break;
        if (length > 0) units.push_back(data.subspan(at, length));
        at += length;
    }
    return units;
}

StoredNalUnits NalUnitsOfExtradata(Bytes extradata, bool hevc) {
    if (extradata.empty() || extradata[0] != 1) return {ByteStreamUnits(extradata), 0};
    if (hevc) {
        if (extradata.size() < 23) return {};
        return {HevcRecordUnits(extradata), (extradata[21] & 3) + 1};
    }
    if (extradata.size() < 5) return {};
    return {AvcRecordUnits(extradata), (extradata[4] & 3) + 1};
}

std::vector<uint8_t> Unescaped(Bytes payload) {
    std::vector<uint8_t> bytes;
    bytes.reserve(payload.size());
    int zeros = 0;
    for (const uint8_t byte : payload) {
        if (zeros >= 2 && byte == 3) {
            zeros = 0;
            continue;
        }
        zeros = byte == 0 ? zeros + 1 : 0;
        bytes.push_back(byte);
    }
    return bytes;
}

}  // namespace lumora::ffmpeg
