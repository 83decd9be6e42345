#include "backends/devices/codec_members.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "backends/devices/encoder_filter.h"
#include "backends/devices/filter_class_ids.h"

namespace lumora::devices {

namespace {

MemberList EncoderMembers(AVMediaType type) {
    MemberList members;
    void* iterator = nullptr;
    while (const AVCodec* codec = av_codec_iterate(&iterator)) {
        if (codec->type != type || !av_codec_is_encoder(codec)) continue;
        DeviceMember member;
        member.friendlyName = NameWithDescription(codec->name, codec->long_name);
        member.clsid = CLSID_EncoderFilter;
        if (type == AVMEDIA_TYPE_VIDEO) member.fccHandler = EncoderFourCC(codec);
        member.createFilter = [codec](const IID& iid, void** out) {
            return CreateEncoderFilter(codec, iid, out);
        };
        members.push_back(std::move(member));
    }
    return members;
}

}  // namespace

MemberList VideoEncoderMembers() { return EncoderMembers(AVMEDIA_TYPE_VIDEO); }

MemberList AudioEncoderMembers() { return EncoderMembers(AVMEDIA_TYPE_AUDIO); }

std::string EncoderFourCC(const AVCodec* codec) {
    if (!codec || codec->type != AVMEDIA_TYPE_VIDEO) return "";
    const AVCodecTag* const tables[] = {avformat_get_riff_video_tags(), nullptr};
    unsigned int tag = 0;
    if (!av_codec_get_tag2(tables, codec->id, &tag) || tag == 0) return "";
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto byte = static_cast<unsigned char>(tag >> shift);
        if (byte == 0) break;
        // Some RIFF codes are bitmap compression numbers (1 for RLE8), not characters.
        if (byte < 0x20 || byte > 0x7E) return "";
        text += static_cast<char>(byte);
    }
    return text;
}

}  // namespace lumora::devices
