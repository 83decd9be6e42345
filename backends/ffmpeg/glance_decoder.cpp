#include "backends/ffmpeg/glance_decoder.h"

namespace lumora::ffmpeg {

std::string ErrorText(int averror) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, text, sizeof text);
    return text;
}

GlanceDecoder::GlanceDecoder(const AVCodecParameters& parameters, Picture picture) {
    const AVCodec* decoder = avcodec_find_decoder(parameters.codec_id);
    if (!decoder) {
        error_ = "no decoder";
        return;
    }
    CodecContext context(avcodec_alloc_context3(decoder));
    frame_.reset(av_frame_alloc());
    const int copied =
        context && frame_ ? avcodec_parameters_to_context(context.get(), &parameters) : AVERROR(ENOMEM);
    if (copied < 0) {
        Fail(copied);
        return;
    }
    context->thread_count = 1;
    context->skip_loop_filter = AVDISCARD_ALL;  // the picture itself is not looked at
    context->lowres = decoder->max_lowres;
    if (picture == Picture::Skipped) context->skip_frame = AVDISCARD_ALL;
    messages_ = std::make_unique<DecoderMessages>(*context);
    if (const int opened = avcodec_open2(context.get(), decoder, nullptr); opened < 0) {
        Fail(opened);
        return;
    }
    codec_ = std::move(context);
}

void GlanceDecoder::Decode(const AVPacket* packet, const std::function<void(const AVFrame&)>& onFrame) {
    if (!codec_) return;
    if (codec_->codec_type == AVMEDIA_TYPE_SUBTITLE) {
        if (packet) DecodeSubtitle(*packet);
        return;
    }
    const int sent = avcodec_send_packet(codec_.get(), packet);
    if (sent < 0 && sent != AVERROR_EOF && sent != AVERROR(EAGAIN)) return Fail(sent);
    for (;;) {
        const int received = avcodec_receive_frame(codec_.get(), frame_.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) break;
        if (received < 0) {
            Fail(received);
            break;
        }
        if (onFrame) onFrame(*frame_);
        av_frame_unref(frame_.get());
    }
    Note(messages_->Take());
}

void GlanceDecoder::DecodeSubtitle(const AVPacket& packet) {
    AVSubtitle subtitle{};
    int got = 0;
    const int used = avcodec_decode_subtitle2(codec_.get(), &subtitle, &got, const_cast<AVPacket*>(&packet));
    if (got) avsubtitle_free(&subtitle);
    if (used < 0) return Fail(used);
    Note(messages_->Take());
}

void GlanceDecoder::Fail(int averror) {
    if (messages_) Note(messages_->Take());
    if (error_.empty()) error_ = ErrorText(averror);
}

void GlanceDecoder::Note(const std::vector<DecoderMessage>& lines) {
    if (error_.empty() && !lines.empty()) error_ = lines.front().text;
}

}  // namespace lumora::ffmpeg
