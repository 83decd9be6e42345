// What a decoder or a demuxer reports through libavutil's log at error level, kept per context.
// The log is one for the whole process, so each message goes to the context it names, found by
// the context's opaque pointer; the contexts of frame threads carry the same one as their decoder's.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;

namespace lumora::ffmpeg {

struct DecoderMessage {
    std::string text;  // without its line end
    int64_t packet;    // the tag of the packet being decoded (PacketTag), or AV_NOPTS_VALUE
};

// Tags each packet sent to the decoder, so that a message reported while that packet is decoded,
// on whichever thread, carries the tag: frame threads copy the field from their decoder with each
// packet. FFmpeg 6 deprecates the field; there messages carry no tag.
void TagPacket(AVCodecContext& context, int64_t tag);
int64_t PacketTag(const AVCodecContext& context);

class DecoderMessages {
public:
    // Takes the context's opaque pointer and keeps its messages until destroyed.
    explicit DecoderMessages(AVCodecContext& context);
    // A demuxer's messages carry no packet tag.
    explicit DecoderMessages(AVFormatContext& context);
    ~DecoderMessages();
    DecoderMessages(const DecoderMessages&) = delete;
    DecoderMessages& operator=(const DecoderMessages&) = delete;

    // The whole lines reported since the last call.
    std::vector<DecoderMessage> Take();

    // Called by the log router, with the router's lock held.
    void Append(const char* text, int64_t packet);

private:
    void Listen(void*& opaque);

    std::mutex mutex_;
    std::string partial_;  // a line reported in pieces, until its line end
    std::vector<DecoderMessage> lines_;
};

// Sends the libraries' log to the decoders' messages and drops the rest, once per process.
void RouteLibraryLog();

}  // namespace lumora::ffmpeg
