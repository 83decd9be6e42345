#include "backends/ffmpeg/stream_check.h"

#include "backends/ffmpeg/glance_decoder.h"
#include "backends/ffmpeg/stream_details.h"

namespace lumora::ffmpeg {

StreamCheck::StreamCheck(const AVStream& stream, MediaStreamVerification& result)
    : stream_(stream), result_(result), lastDts_(AV_NOPTS_VALUE) {
    const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!decoder) return;
    result_.decoder = decoder->name;
    CodecContext context(avcodec_alloc_context3(decoder));
    frame_.reset(av_frame_alloc());
    const int copied =
        context && frame_ ? avcodec_parameters_to_context(context.get(), stream.codecpar) : AVERROR(ENOMEM);
    if (copied < 0) {
        NoteError(ErrorText(copied));
        return;
    }
    context->thread_count = 0;  // one per core and one more, as the ffmpeg tool's "-threads 0"
    context->pkt_timebase = stream.time_base;
    messages_ = std::make_unique<DecoderMessages>(*context);
    if (const int opened = avcodec_open2(context.get(), decoder, nullptr); opened < 0) {
        NoteMessages();
        NoteError(ErrorText(opened));
        return;
    }
    codec_ = std::move(context);
}

void StreamCheck::Feed(const AVPacket& packet) {
    ++result_.packets;
    if (packet.dts != AV_NOPTS_VALUE) {
        if (lastDts_ != AV_NOPTS_VALUE && packet.dts < lastDts_) ++result_.timestampsBackwards;
        lastDts_ = packet.dts;
    }
    if (!codec_) return;
    const int64_t time = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    time_ = StreamSeconds(stream_, time);
    TagPacket(*codec_, time);
    if (codec_->codec_type == AVMEDIA_TYPE_SUBTITLE) return DecodeSubtitle(packet);
    const int sent = avcodec_send_packet(codec_.get(), &packet);
    NoteMessages();
    if (sent < 0 && sent != AVERROR(EAGAIN)) NoteError(ErrorText(sent));
    ReceiveFrames();
}

void StreamCheck::Finish() {
    if (!codec_ || codec_->codec_type == AVMEDIA_TYPE_SUBTITLE) return;
    if (avcodec_send_packet(codec_.get(), nullptr) >= 0) ReceiveFrames();
    NoteMessages();
}

void StreamCheck::DecodeSubtitle(const AVPacket& packet) {
    AVSubtitle subtitle{};
    int got = 0;
    const int used = avcodec_decode_subtitle2(codec_.get(), &subtitle, &got, const_cast<AVPacket*>(&packet));
    NoteMessages();
    if (got) {
        ++result_.decodedFrames;
        avsubtitle_free(&subtitle);
    }
    if (used < 0) NoteError(ErrorText(used));
}

void StreamCheck::ReceiveFrames() {
    for (;;) {
        const int received = avcodec_receive_frame(codec_.get(), frame_.get());
        NoteMessages();
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
        if (received < 0) return NoteError(ErrorText(received));
        ++result_.decodedFrames;
        av_frame_unref(frame_.get());
    }
}

void StreamCheck::NoteMessages() {
    if (!messages_) return;
    // A message tagged by a frame thread is of the packet that thread was decoding, a few packets
    // before the last one sent.
    for (DecoderMessage& line : messages_->Take())
        NoteError(std::move(line.text),
                  line.packet != AV_NOPTS_VALUE ? StreamSeconds(stream_, line.packet) : time_);
}

void StreamCheck::NoteError(std::string message) { NoteError(std::move(message), time_); }

void StreamCheck::NoteError(std::string message, std::optional<double> time) {
    ++result_.errors;
    if (result_.firstErrors.size() < kKeptDecodeErrors)
        result_.firstErrors.push_back({time, std::move(message)});
}

}  // namespace lumora::ffmpeg
