#include "backends/ffmpeg/audio_details.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

namespace lumora::ffmpeg {
namespace {

// Nothing for a layout that is only a number of channels.
std::string LayoutDescription(const AVChannelLayout& layout) {
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC) return {};
    char text[256] = {};
    return av_channel_layout_describe(&layout, text, sizeof text) > 0 ? text : "";
}

std::string ChannelNames(const AVChannelLayout& layout) {
    if (layout.order != AV_CHANNEL_ORDER_NATIVE && layout.order != AV_CHANNEL_ORDER_CUSTOM) return {};
    std::string names;
    for (int i = 0; i < layout.nb_channels; ++i) {
        char name[32] = {};
        const AVChannel channel = av_channel_layout_channel_from_index(&layout, static_cast<unsigned>(i));
        if (av_channel_name(name, sizeof name, channel) <= 0) return {};
        if (!names.empty()) names += ' ';
        names += name;
    }
    return names;
}

}  // namespace

std::optional<bool> IsLossless(AVCodecID codec, int profile) {
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec);
    if (!descriptor) return std::nullopt;
    const bool lossy = descriptor->props & AV_CODEC_PROP_LOSSY;
    const bool lossless = descriptor->props & AV_CODEC_PROP_LOSSLESS;
    if (lossy != lossless) return lossless;
    // DTS is both: its core is lossy, DTS-HD Master Audio adds what the core lost.
    if (codec == AV_CODEC_ID_DTS && profile != FF_PROFILE_UNKNOWN)
        return profile == FF_PROFILE_DTS_HD_MA
#ifdef FF_PROFILE_DTS_HD_MA_X
               || profile == FF_PROFILE_DTS_HD_MA_X || profile == FF_PROFILE_DTS_HD_MA_X_IMAX
#endif
            ;
    return std::nullopt;
}

MediaAudioDetails ReadAudioDetails(const AVStream& stream) {
    const AVCodecParameters& codec = *stream.codecpar;
    MediaAudioDetails audio;
    audio.channels = codec.ch_layout.nb_channels;
    if (audio.channels > 0) {
        audio.channelLayout = LayoutDescription(codec.ch_layout);
        audio.channelNames = ChannelNames(codec.ch_layout);
    }
    audio.sampleRate = codec.sample_rate;
    if (const char* format = av_get_sample_fmt_name(static_cast<AVSampleFormat>(codec.format)))
        audio.sampleFormat = format;
    audio.lossless = IsLossless(codec.codec_id, codec.profile);
    // The depth of the source where it has one: PCM's fixed size, a lossless codec's stated depth.
    if (const int pcmBits = av_get_bits_per_sample(codec.codec_id); pcmBits > 0)
        audio.bitsPerSample = pcmBits;
    else if (audio.lossless.value_or(false) && codec.bits_per_raw_sample > 0)
        audio.bitsPerSample = codec.bits_per_raw_sample;
    else if (audio.lossless.value_or(false) && codec.bits_per_coded_sample > 0)
        audio.bitsPerSample = codec.bits_per_coded_sample;
    return audio;
}

}  // namespace lumora::ffmpeg
