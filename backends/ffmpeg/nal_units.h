// The NAL units of H.264 and HEVC data, as MP4 and Matroska store them (each after its length)
// or as a byte stream (each after a start code), and their payloads without emulation prevention.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lumora::ffmpeg {

using Bytes = std::span<const uint8_t>;

// lengthSize 1 to 4: big-endian lengths of that many bytes; 0: start codes. A unit cut short by
// the end of the data ends the list.
std::vector<Bytes> SplitNalUnits(Bytes data, int lengthSize);

// The units an avcC or hvcC record lists and the length size of the stream's packets, or the units
// of byte-stream extradata with length size 0.
struct StoredNalUnits {
    std::vector<Bytes> units;
    int lengthSize = 0;
};
StoredNalUnits NalUnitsOfExtradata(Bytes extradata, bool hevc);

// The bytes with every 0x03 that follows two zero bytes taken out.
std::vector<uint8_t> Unescaped(Bytes payload);

}  // namespace lumora::ffmpeg
