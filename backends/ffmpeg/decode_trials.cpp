#include "backends/ffmpeg/decode_trials.h"

#include <string_view>

namespace lumora::ffmpeg {
namespace {

// Decoders that read a packet's headers and skip its picture when told to (AVDISCARD_ALL), as
// measured with FFmpeg 5.1; the others decode the whole picture anyway.
constexpr std::string_view kPictureSkippers[] = {
    "h264",    "hevc", "mpeg1video", "mpeg2video", "mpeg4", "h263", "h263p", "msmpeg4v1", "msmpeg4v2",
    "msmpeg4", "wmv1", "wmv2",       "flv",        "mjpeg", "vp8",  "png",   "qtrle",
};

// A picture this small costs a decoder well under a millisecond (320×180 VP9: 0.3 ms here).
constexpr int64_t kDecodedPixels = 320 * 240;

// Whether the trial may hand the decoder the packet: it skips the picture, or the picture is
// small once the decoder lowered its resolution. Otherwise opening the decoder is the trial.
bool CheapToDecode(const AVCodecParameters& parameters) {
    if (parameters.codec_type != AVMEDIA_TYPE_VIDEO) return true;
    const AVCodec* decoder = avcodec_find_decoder(parameters.codec_id);
    for (const std::string_view skipper : kPictureSkippers)
        if (decoder && skipper == decoder->name) return true;
    const int shift = decoder ? 2 * decoder->max_lowres : 0;
    return (int64_t{parameters.width} * parameters.height >> shift) <= kDecodedPixels;
}

}  // namespace

DecodeTrials::DecodeTrials(const AVFormatContext& format, MediaDetails& details, int skipped)
    : format_(format), details_(details), waitingFor_(details.streams.size(), false) {
    for (size_t i = 0; i < details.streams.size() && i < format.nb_streams; ++i) {
        MediaStreamDetails& stream = details.streams[i];
        const bool decodable = stream.kind == MediaStreamKind::Video ||
                               stream.kind == MediaStreamKind::Audio ||
                               stream.kind == MediaStreamKind::Subtitle;
        if (!decodable || static_cast<int>(i) == skipped) continue;
        if (stream.decoding.decoder.empty()) {
            stream.decoding.decodes = false;
            continue;
        }
        waitingFor_[i] = true;
        ++waiting_;
    }
}

void DecodeTrials::Feed(const AVPacket& packet) {
    const auto index = static_cast<size_t>(packet.stream_index);
    if (index >= waitingFor_.size() || !waitingFor_[index]) return;
    waitingFor_[index] = false;
    --waiting_;
    const AVCodecParameters& parameters = *format_.streams[index]->codecpar;
    GlanceDecoder decoder(parameters, GlanceDecoder::Picture::Skipped);
    if (CheapToDecode(parameters)) decoder.Decode(&packet);
    NoteTrial(decoder, details_.streams[index].decoding);
}

void NoteTrial(const GlanceDecoder& decoder, MediaDecoding& decoding) {
    decoding.decodes = !decoder.Failed();
    decoding.decodeError = decoder.Error();
}

}  // namespace lumora::ffmpeg
