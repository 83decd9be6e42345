// The full decoding of one stream: every packet, with libavcodec's threads, each error the
// decoder reports kept with the time of the packet being decoded.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/decoder_messages.h"
#include "platform/media_verification.h"

namespace lumora::ffmpeg {

class StreamCheck {
public:
    // Writes into result, which must outlive the check.
    StreamCheck(const AVStream& stream, MediaStreamVerification& result);

    void Feed(const AVPacket& packet);
    // What the decoder still holds, at the end of the file.
    void Finish();

private:
    void DecodeSubtitle(const AVPacket& packet);
    void ReceiveFrames();
    void NoteMessages();
    void NoteError(std::string message);
    void NoteError(std::string message, std::optional<double> time);

    const AVStream& stream_;
    MediaStreamVerification& result_;
    std::optional<double> time_;  // of the packet last sent
    int64_t lastDts_;
    std::unique_ptr<DecoderMessages> messages_;  // outlives the context, which may still report
    CodecContext codec_;
    Frame frame_;
};

}  // namespace lumora::ffmpeg
