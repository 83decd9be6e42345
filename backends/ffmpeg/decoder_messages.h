// What a decoder reports through libavutil's log at error level, kept per decoder. The log is one
// for the whole process, so each message goes to the decoder whose codec context it names; the
// contexts of frame threads carry the same opaque pointer as their decoder's.
#pragma once

#include <mutex>
#include <string>
#include <vector>

struct AVCodecContext;

namespace lumora::ffmpeg {

class DecoderMessages {
public:
    // Takes the context's opaque pointer and keeps its messages until destroyed.
    explicit DecoderMessages(AVCodecContext& context);
    ~DecoderMessages();
    DecoderMessages(const DecoderMessages&) = delete;
    DecoderMessages& operator=(const DecoderMessages&) = delete;

    // The whole lines reported since the last call, without their line ends.
    std::vector<std::string> Take();

    // Called by the log router, with the router's lock held.
    void Append(const char* text);

private:
    std::mutex mutex_;
    std::string partial_;  // a line reported in pieces, until its line end
    std::vector<std::string> lines_;
};

// Sends the libraries' log to the decoders' messages and drops the rest, once per process.
void RouteLibraryLog();

}  // namespace lumora::ffmpeg
