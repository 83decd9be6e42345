// Whether each stream really decodes here: its first packet decoded as the details' reading
// meets it, pictures only as far as their decoder needs to tell whether it takes the stream. A
// large picture of a decoder that cannot skip it (VP9, AV1, FFV1 …: 13 ms for one 1080p VP9
// frame) is not decoded: the decoder opening with the stream's parameters is the trial.
#pragma once

#include <memory>
#include <vector>

#include "backends/ffmpeg/glance_decoder.h"
#include "platform/media_details.h"

namespace lumora::ffmpeg {

class DecodeTrials {
public:
    // A trial for every video, audio and subtitle stream of the details but `skipped` (whose
    // first frames are decoded anyway); a stream without a decoder is answered at once.
    DecodeTrials(const AVFormatContext& format, MediaDetails& details, int skipped);

    bool Wanted() const { return waiting_ > 0; }
    // Decodes the packet when it is the first of a stream still waiting for its trial.
    void Feed(const AVPacket& packet);

private:
    const AVFormatContext& format_;
    MediaDetails& details_;
    std::vector<bool> waitingFor_;  // by stream index
    size_t waiting_ = 0;
};

// The answer of a decoder that decoded a stream's first packets.
void NoteTrial(const GlanceDecoder& decoder, MediaDecoding& decoding);

}  // namespace lumora::ffmpeg
