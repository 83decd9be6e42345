#include "backends/ffmpeg/decoder_choice.h"

#include <algorithm>
#include <vector>

extern "C" {
#include <libavutil/hwcontext.h>
}

namespace lumora::ffmpeg {
namespace {

// The picked decoder first, then the others in libavcodec's order.
std::vector<const AVCodec*> DecodersInOrder(AVCodecID codec) {
    std::vector<const AVCodec*> decoders;
    if (codec == AV_CODEC_ID_NONE) return decoders;
    if (const AVCodec* picked = avcodec_find_decoder(codec)) decoders.push_back(picked);
    void* state = nullptr;
    while (const AVCodec* each = av_codec_iterate(&state))
        if (each->id == codec && av_codec_is_decoder(each) && (decoders.empty() || each != decoders.front()))
            decoders.push_back(each);
    return decoders;
}

}  // namespace

MediaDecoding DecodersOf(AVCodecID codec) {
    MediaDecoding decoding;
    const std::vector<const AVCodec*> decoders = DecodersInOrder(codec);
    // An experimental decoder alone is not picked: it is one of the others.
    const bool picked = !decoders.empty() && decoders.front() == avcodec_find_decoder(codec);
    for (const AVCodec* decoder : decoders) {
        if (picked && decoder == decoders.front())
            decoding.decoder = decoder->name;
        else
            decoding.otherDecoders.emplace_back(decoder->name);
        for (int i = 0; const AVCodecHWConfig* config = avcodec_get_hw_config(decoder, i); ++i) {
            const char* type = av_hwdevice_get_type_name(config->device_type);
            auto& types = decoding.hardwareDeviceTypes;
            if (type && std::find(types.begin(), types.end(), type) == types.end()) types.emplace_back(type);
        }
    }
    return decoding;
}

HardwareDecoder HardwareDecoderOf(AVCodecID codec, AVHWDeviceType type) {
    for (const AVCodec* decoder : DecodersInOrder(codec))
        for (int i = 0; const AVCodecHWConfig* config = avcodec_get_hw_config(decoder, i); ++i)
            if (config->device_type == type) return {decoder, config};
    return {};
}

}  // namespace lumora::ffmpeg
