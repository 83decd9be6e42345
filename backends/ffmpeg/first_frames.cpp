#include "backends/ffmpeg/first_frames.h"

#include <vector>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/h264_field_coding.h"
#include "backends/ffmpeg/inband_hdr.h"
#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/video_details.h"

namespace lumora::ffmpeg {
namespace {

constexpr int kDecodedPackets = 4;  // of the video stream, before the decoder is drained
constexpr int kMetadataPackets = 4;
constexpr size_t kTimedPackets = 32;
constexpr int kPacketLimit = 256;  // of all streams
constexpr int64_t kReadBeyondProbe = 1 << 20;
constexpr int kTransferPq = 16;
constexpr int kTransferHlg = 18;

// Codecs that code fields; for the others an unknown scan stays unknown.
bool CodesFields(AVCodecID codec) {
    switch (codec) {
        case AV_CODEC_ID_MPEG2VIDEO:
        case AV_CODEC_ID_H264:
        case AV_CODEC_ID_HEVC:
        case AV_CODEC_ID_MPEG4:
        case AV_CODEC_ID_VC1:
        case AV_CODEC_ID_DVVIDEO: return true;
        default: return false;
    }
}

bool H264MayHaveFields(const AVCodecParameters& codec) {
    if (codec.codec_id != AV_CODEC_ID_H264) return false;
    const Bytes extradata(codec.extradata, static_cast<size_t>(std::max(codec.extradata_size, 0)));
    return H264AllowsFields(extradata).value_or(true);
}

// Whether the frames may tell the scan: the headers leave it open, or H.264 headers say
// "progressive" for a stream whose sequence allows fields (MBAFF, PAFF).
bool ScanFromFrames(const AVCodecParameters& codec, const MediaVideoDetails& video) {
    return H264MayHaveFields(codec) || (!video.fieldOrder && CodesFields(codec.codec_id));
}

bool MayBeHdr(const MediaVideoDetails& video) {
    const int transfer = video.transferCharacteristics.value_or(0);
    return video.bitDepth.value_or(0) >= 10 || transfer == kTransferPq || transfer == kTransferHlg;
}

bool Interlaced(const AVFrame& frame) {
#ifdef AV_FRAME_FLAG_INTERLACED
    return frame.flags & AV_FRAME_FLAG_INTERLACED;
#else
    return frame.interlaced_frame;
#endif
}

bool TopFieldFirst(const AVFrame& frame) {
#ifdef AV_FRAME_FLAG_TOP_FIELD_FIRST
    return frame.flags & AV_FRAME_FLAG_TOP_FIELD_FIRST;
#else
    return frame.top_field_first;
#endif
}

// A decoder of the first frame, fed packets until one comes out, for the scan it has.
class FirstFrame {
public:
    FirstFrame(const AVCodecParameters& parameters, MediaVideoDetails& video) : video_(video) {
        const AVCodec* decoder = avcodec_find_decoder(parameters.codec_id);
        if (!decoder) return;
        CodecContext context(avcodec_alloc_context3(decoder));
        frame_.reset(av_frame_alloc());
        if (!context || !frame_ || avcodec_parameters_to_context(context.get(), &parameters) < 0) return;
        context->thread_count = 1;
        context->skip_loop_filter = AVDISCARD_ALL;  // the picture itself is not looked at
        if (avcodec_open2(context.get(), decoder, nullptr) < 0) return;
        codec_ = std::move(context);
    }

    bool Wanted() const { return codec_ && !done_ && fed_ < kDecodedPackets; }

    void Feed(const AVPacket& packet) {
        ++fed_;
        if (avcodec_send_packet(codec_.get(), &packet) >= 0) Receive();
    }

    // What the decoder still holds, when no frame has come out yet.
    void Drain() {
        if (codec_ && !done_ && avcodec_send_packet(codec_.get(), nullptr) >= 0) Receive();
    }

private:
    void Receive() {
        while (!done_ && avcodec_receive_frame(codec_.get(), frame_.get()) >= 0) {
            Take(*frame_);
            done_ = true;
        }
    }

    void Take(const AVFrame& frame) {
        video_.fieldOrder = !Interlaced(frame)     ? MediaFieldOrder::Progressive
                            : TopFieldFirst(frame) ? MediaFieldOrder::TopFirst
                                                   : MediaFieldOrder::BottomFirst;
    }

    MediaVideoDetails& video_;
    CodecContext codec_;
    Frame frame_;
    int fed_ = 0;
    bool done_ = false;
};

const AVStream* FirstVideoStream(const AVFormatContext& format) {
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        const AVStream* stream = format.streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return stream;
    }
    return nullptr;
}

}  // namespace

bool ReadFirstFrames(MediaInput& input, MediaDetails& details) {
    AVFormatContext& format = *input.Format();
    const AVStream* stream = FirstVideoStream(format);
    if (!stream || static_cast<size_t>(stream->index) >= details.streams.size()) return true;
    const AVCodecParameters& parameters = *stream->codecpar;
    MediaVideoDetails& video = details.streams[static_cast<size_t>(stream->index)].video;
    const bool wantTimes = !video.frameRateMode;
    std::optional<InBandHdr> metadata;
    if (MayBeHdr(video)) metadata.emplace(parameters, video);
    const bool wantMetadata = metadata && metadata->Carried();
    std::optional<FirstFrame> frame;
    if (ScanFromFrames(parameters, video)) frame.emplace(parameters, video);
    const bool wantFrames = wantMetadata || frame;
    if (!wantTimes && !wantFrames) return true;

    input.LimitReading(input.BytesRead() + (wantFrames ? kReadBeyondProbe : 0));
    std::vector<int64_t> times;
    const Packet packet(av_packet_alloc());
    if (!packet) return true;
    int videoPackets = 0;
    bool finished = true;
    for (int packets = 0; packets < kPacketLimit; ++packets) {
        const bool wantsMore = (wantMetadata && videoPackets < kMetadataPackets) ||
                               (frame && frame->Wanted()) || (wantTimes && times.size() < kTimedPackets);
        if (!wantsMore) break;
        if (input.PastDeadline()) {
            finished = false;
            break;
        }
        if (av_read_frame(&format, packet.get()) < 0) break;
        if (packet->stream_index == stream->index) {
            if (av_packet_get_side_data(packet.get(), AV_PKT_DATA_DYNAMIC_HDR10_PLUS, nullptr))
                video.hdr10Plus = true;
            if (wantMetadata && videoPackets < kMetadataPackets)
                metadata->Read(Bytes(packet->data, static_cast<size_t>(std::max(packet->size, 0))));
            const int64_t time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (wantTimes && time != AV_NOPTS_VALUE && times.size() < kTimedPackets) times.push_back(time);
            if (frame && frame->Wanted()) frame->Feed(*packet);
            ++videoPackets;
        }
        av_packet_unref(packet.get());
    }
    if (frame) frame->Drain();
    if (wantTimes) video.frameRateMode = FrameRateModeOf(std::move(times), parameters.video_delay);
    return finished && !input.PastDeadline();
}

}  // namespace lumora::ffmpeg
