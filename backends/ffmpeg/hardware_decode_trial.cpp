#include "backends/ffmpeg/hardware_decode_trial.h"

#include <chrono>

#include "backends/ffmpeg/bounded_probe.h"
#include "backends/ffmpeg/decoder_choice.h"
#include "backends/ffmpeg/glance_decoder.h"
#include "backends/ffmpeg/hardware_device.h"
#include "backends/ffmpeg/media_input.h"

namespace lumora::ffmpeg {
namespace {

constexpr int kPackets = 16;  // of the stream, fed until a frame comes out
constexpr std::chrono::milliseconds kOpenBound{1000};

// The configuration's hardware format where the decoder offers it; the decoder's software choice
// otherwise, so that a profile the hardware cannot decode shows as software frames.
AVPixelFormat PickHardwareFormat(AVCodecContext* context, const AVPixelFormat* formats) {
    const auto* config = static_cast<const AVCodecHWConfig*>(context->opaque);
    const AVPixelFormat* format = formats;
    for (; *format != AV_PIX_FMT_NONE; ++format)
        if (*format == config->pix_fmt) return *format;
    return format == formats ? AV_PIX_FMT_NONE : format[-1];
}

HardwareProbeAnswer Failed(HardwareProbeAnswer answer, int averror) {
    answer.result = HardwareProbeResult::Failed;
    answer.detail = LastLibraryError();
    if (answer.detail.empty()) answer.detail = ErrorText(averror);
    return answer;
}

}  // namespace

HardwareProbeAnswer TryHardwareDecoding(const std::string& path, int streamIndex, AVHWDeviceType type) {
    HardwareProbeAnswer answer;
    answer.deviceType = av_hwdevice_get_type_name(type);
    const OpenedDevice device = OpenHardwareDevice(type);
    if (!device.context) {
        answer.result = HardwareProbeResult::NoDevice;
        answer.detail = LastLibraryError();
        return answer;
    }
    answer.device = device.name;
    OpenFailure failure;
    const auto input = MediaInput::Open(path, failure, kOpenBound);
    AVFormatContext* format = input ? input->Format() : nullptr;
    if (!format || streamIndex < 0 || static_cast<unsigned>(streamIndex) >= format->nb_streams)
        return Failed(answer, AVERROR(ENOENT));
    const AVCodecParameters& parameters = *format->streams[streamIndex]->codecpar;
    const HardwareDecoder hardware = HardwareDecoderOf(parameters.codec_id, type);
    if (!hardware.decoder) return Failed(answer, AVERROR_DECODER_NOT_FOUND);
    CodecContext context(avcodec_alloc_context3(hardware.decoder));
    const Packet packet(av_packet_alloc());
    const Frame frame(av_frame_alloc());
    if (!context || !packet || !frame) return Failed(answer, AVERROR(ENOMEM));
    if (const int copied = avcodec_parameters_to_context(context.get(), &parameters); copied < 0)
        return Failed(answer, copied);
    context->opaque = const_cast<AVCodecHWConfig*>(hardware.config);
    context->get_format = &PickHardwareFormat;
    context->hw_device_ctx = av_buffer_ref(device.context.get());
    if (const int opened = avcodec_open2(context.get(), hardware.decoder, nullptr); opened < 0)
        return Failed(answer, opened);
    int result = 0;
    for (int fed = 0; fed < kPackets && !input->PastDeadline();) {
        result = input->ReadPacket(*packet);
        if (result < 0) break;
        if (packet->stream_index == streamIndex) {
            ++fed;
            result = avcodec_send_packet(context.get(), packet.get());
        }
        av_packet_unref(packet.get());
        if (result < 0) return Failed(answer, result);
        if (avcodec_receive_frame(context.get(), frame.get()) == 0) {
            answer.result = frame->format == hardware.config->pix_fmt ? HardwareProbeResult::Usable
                                                                      : HardwareProbeResult::Failed;
            if (answer.result == HardwareProbeResult::Failed)
                answer.detail = "decoded in software: profile not supported";
            return answer;
        }
    }
    return Failed(answer, result < 0 ? result : AVERROR(EAGAIN));
}

}  // namespace lumora::ffmpeg
