// HDR metadata that an HEVC, H.264 or AV1 bitstream carries with its first frames (SEI messages,
// metadata OBUs), read from the packets without decoding a picture: mastering display, light
// levels and HDR10+.
#pragma once

extern "C" {
#include <libavcodec/codec_par.h>
}

#include "backends/ffmpeg/nal_units.h"
#include "platform/media_details.h"

namespace lumora::ffmpeg {

class InBandHdr {
public:
    // Reads the metadata that the stream's extradata (an hvcC record's SEI arrays) holds.
    InBandHdr(const AVCodecParameters& codec, MediaVideoDetails& video);

    // Whether the codec carries such metadata in its bitstream.
    bool Carried() const { return codec_ != Codec::None; }
    void Read(Bytes packet);

private:
    enum class Codec { None, H264, Hevc, Av1 };
    void ReadNalUnit(Bytes unit);
    void ReadSei(Bytes payload);
    void ReadObus(Bytes packet);

    Codec codec_ = Codec::None;
    int lengthSize_ = 0;
    MediaVideoDetails& video_;
};

}  // namespace lumora::ffmpeg
