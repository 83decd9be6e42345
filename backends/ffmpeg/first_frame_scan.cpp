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
    : video_(video), decoder_(parameters, GlanceDecoder::Picture::Wanted) {}

void FirstFrameScan::Feed(const AVPacket& packet) {
    ++fed_;
    decoder_.Decode(&packet, [this](const AVFrame& frame) { Take(frame); });
}

void FirstFrameScan::Drain() {
    if (decoder_.Opened() && !done_) decoder_.Decode(nullptr, [this](const AVFrame& frame) { Take(frame); });
}

void FirstFrameScan::Take(const AVFrame& frame) {
    if (done_) return;
    done_ = true;
    video_.fieldOrder = !Interlaced(frame)     ? MediaFieldOrder::Progressive
                        : TopFieldFirst(frame) ? MediaFieldOrder::TopFirst
                                               : MediaFieldOrder::BottomFirst;
}

}  // namespace lumora::ffmpeg
