// The scan of a video stream from its first decoded frame, for streams whose headers leave it open.
#pragma once

#include "backends/ffmpeg/glance_decoder.h"
#include "platform/media_details.h"

namespace lumora::ffmpeg {

// A decoder fed the stream's first packets until a frame comes out; its scan then goes into the
// video's field order.
class FirstFrameScan {
public:
    static constexpr int kPackets = 4;  // fed before the decoder is drained

    FirstFrameScan(const AVCodecParameters& parameters, MediaVideoDetails& video);

    // Whether it still wants packets: the decoder opened, no frame yet, fewer than kPackets fed.
    bool Wanted() const { return decoder_.Opened() && !done_ && fed_ < kPackets; }
    void Feed(const AVPacket& packet);
    // What the decoder still holds, when no frame has come out yet.
    void Drain();
    // The decoding of these first frames, as the stream's trial decode.
    const GlanceDecoder& Decoder() const { return decoder_; }
    bool Fed() const { return fed_ > 0; }

private:
    void Take(const AVFrame& frame);

    MediaVideoDetails& video_;
    GlanceDecoder decoder_;
    int fed_ = 0;
    bool done_ = false;
};

}  // namespace lumora::ffmpeg
