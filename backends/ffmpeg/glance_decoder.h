// A decoder opened for a look at a stream's first packets: one thread, no loop filter, the
// smallest picture the decoder can give, and the first error it met. Decoding one HD picture
// costs several milliseconds (a 1080p H.264 frame 12 ms, a 4K HEVC frame 70 ms here), many times
// a whole reading of the headers, so where the picture is not wanted the decoders that can skip
// it (H.264, HEVC, MPEG-1/2/4, VC-1, VP8, MJPEG …) read the packet's parameter sets and headers
// only: what tells whether they take the stream's profile, depth and chroma format.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/decoder_messages.h"

namespace lumora::ffmpeg {

class GlanceDecoder {
public:
    enum class Picture { Wanted, Skipped };

    // With the decoder avcodec_find_decoder picks; Error() says why when it could not open.
    GlanceDecoder(const AVCodecParameters& parameters, Picture picture);

    bool Opened() const { return codec_ != nullptr; }
    // Sends the packet (null: the end of the stream) and takes out what it gives; each picture or
    // sound frame goes to onFrame.
    void Decode(const AVPacket* packet, const std::function<void(const AVFrame&)>& onFrame = {});
    bool Failed() const { return !error_.empty(); }
    // The decoder's first message at error level, else the failed call's error text.
    const std::string& Error() const { return error_; }

private:
    void Fail(int averror);
    void Note(const std::vector<DecoderMessage>& lines);
    void DecodeSubtitle(const AVPacket& packet);

    std::string error_;
    std::unique_ptr<DecoderMessages> messages_;  // outlives the context, which may still report
    CodecContext codec_;
    Frame frame_;
};

// libavutil's text of an AVERROR code.
std::string ErrorText(int averror);

}  // namespace lumora::ffmpeg
