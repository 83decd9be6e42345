#include "backends/ffmpeg/first_frame_scan.h"

namespace lumora::ffmpeg {
namespace {

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

}  // namespace

FirstFrameScan::FirstFrameScan(const AVCodecParameters& parameters, MediaVideoDetails& video)
    : video_(video) {
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

void FirstFrameScan::Feed(const AVPacket& packet) {
    ++fed_;
    if (avcodec_send_packet(codec_.get(), &packet) >= 0) Receive();
}

void FirstFrameScan::Drain() {
    if (codec_ && !done_ && avcodec_send_packet(codec_.get(), nullptr) >= 0) Receive();
}

void FirstFrameScan::Receive() {
    if (done_ || avcodec_receive_frame(codec_.get(), frame_.get()) < 0) return;
    done_ = true;
    video_.fieldOrder = !Interlaced(*frame_)     ? MediaFieldOrder::Progressive
                        : TopFieldFirst(*frame_) ? MediaFieldOrder::TopFirst
                                                 : MediaFieldOrder::BottomFirst;
}

}  // namespace lumora::ffmpeg
