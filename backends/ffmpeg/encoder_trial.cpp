#include "backends/ffmpeg/encoder_trial.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <string_view>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/bounded_probe.h"
#include "backends/ffmpeg/glance_decoder.h"
#include "backends/ffmpeg/hardware_device.h"

namespace lumora::ffmpeg {
namespace {

// Interfaces of hardware that libavcodec wraps, as its wrapper names or its encoders' name suffixes.
constexpr std::string_view kHardwareFamilies[] = {
    "nvenc", "qsv", "vaapi", "v4l2m2m", "omx", "amf", "mf", "mediacodec", "videotoolbox", "rkmpp", "mmal",
};

constexpr int kWidth = 320;
constexpr int kHeight = 240;

bool IsHardwareFormat(AVPixelFormat format) {
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
    return descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_HWACCEL);
}

AVPixelFormat SoftwareFormat(const AVCodec& encoder) {
    for (const AVPixelFormat* format = encoder.pix_fmts; format && *format != AV_PIX_FMT_NONE; ++format)
        if (!IsHardwareFormat(*format)) return *format;
    return AV_PIX_FMT_NONE;
}

const AVCodecHWConfig* ConfigWith(const AVCodec& encoder, int method) {
    for (int i = 0; const AVCodecHWConfig* config = avcodec_get_hw_config(&encoder, i); ++i)
        if (config->methods & method) return config;
    return nullptr;
}

// A pool of frames on the device, for an encoder that takes hardware frames only.
BufferRef FramesOn(AVBufferRef* device, AVPixelFormat format) {
    BufferRef frames(av_hwframe_ctx_alloc(device));
    if (!frames) return nullptr;
    auto* context = reinterpret_cast<AVHWFramesContext*>(frames->data);
    context->format = format;
    context->sw_format = AV_PIX_FMT_NV12;
    context->width = kWidth;
    context->height = kHeight;
    context->initial_pool_size = 4;
    if (av_hwframe_ctx_init(frames.get()) < 0) return nullptr;
    return frames;
}

HardwareProbeAnswer Answer(HardwareProbeResult result, std::string deviceType, std::string device,
                           int averror) {
    HardwareProbeAnswer answer{result, std::move(deviceType), std::move(device), {}};
    if (result != HardwareProbeResult::Usable) answer.detail = LastLibraryError();
    if (answer.detail.empty() && averror < 0) answer.detail = ErrorText(averror);
    return answer;
}

}  // namespace

bool IsHardwareEncoder(const AVCodec& encoder) {
    if ((encoder.capabilities & (AV_CODEC_CAP_HARDWARE | AV_CODEC_CAP_HYBRID)) ||
        avcodec_get_hw_config(&encoder, 0))
        return true;
    const std::string_view name = encoder.name;
    const std::string_view suffix = name.substr(std::min(name.rfind('_') + 1, name.size()));
    for (const std::string_view family : kHardwareFamilies)
        if ((encoder.wrapper_name && family == encoder.wrapper_name) || family == suffix) return true;
    return false;
}

std::vector<AVHWDeviceType> EncoderDeviceTypes(const AVCodec& encoder) {
    std::vector<AVHWDeviceType> types;
    for (int i = 0; const AVCodecHWConfig* config = avcodec_get_hw_config(&encoder, i); ++i)
        if (config->device_type != AV_HWDEVICE_TYPE_NONE &&
            std::find(types.begin(), types.end(), config->device_type) == types.end())
            types.push_back(config->device_type);
    return types;
}

HardwareProbeAnswer TryEncoder(const AVCodec& encoder) {
    CodecContext context(avcodec_alloc_context3(&encoder));
    if (!context) return Answer(HardwareProbeResult::Failed, {}, {}, AVERROR(ENOMEM));
    context->time_base = {1, 25};
    context->framerate = {25, 1};
    if (encoder.type == AVMEDIA_TYPE_AUDIO) {
        context->sample_rate = 48000;
        av_channel_layout_default(&context->ch_layout, 2);
        context->sample_fmt = encoder.sample_fmts ? encoder.sample_fmts[0] : AV_SAMPLE_FMT_S16;
    }
    context->width = kWidth;
    context->height = kHeight;
    context->pix_fmt = SoftwareFormat(encoder);
    const AVCodecHWConfig* device = ConfigWith(encoder, AV_CODEC_HW_CONFIG_METHOD_HW_DEVICE_CTX);
    const AVCodecHWConfig* frames = ConfigWith(encoder, AV_CODEC_HW_CONFIG_METHOD_HW_FRAMES_CTX);
    const AVCodecHWConfig* used =
        encoder.type == AVMEDIA_TYPE_VIDEO && context->pix_fmt == AV_PIX_FMT_NONE ? frames : device;
    std::string deviceType, deviceName;
    if (used) {
        deviceType = av_hwdevice_get_type_name(used->device_type);
        OpenedDevice opened = OpenHardwareDevice(used->device_type);
        if (!opened.context) return Answer(HardwareProbeResult::NoDevice, deviceType, {}, 0);
        deviceName = opened.name;
        if (used == frames) {
            BufferRef pool = FramesOn(opened.context.get(), frames->pix_fmt);
            if (!pool) return Answer(HardwareProbeResult::Failed, deviceType, deviceName, AVERROR(ENOSYS));
            context->pix_fmt = frames->pix_fmt;
            context->hw_frames_ctx = pool.release();
        } else {
            context->hw_device_ctx = opened.context.release();
        }
    }
    const int opened = avcodec_open2(context.get(), &encoder, nullptr);
    return Answer(opened < 0 ? HardwareProbeResult::Failed : HardwareProbeResult::Usable, deviceType,
                  deviceName, opened);
}

}  // namespace lumora::ffmpeg
