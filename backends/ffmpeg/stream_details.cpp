#include "backends/ffmpeg/stream_details.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cmath>
#include <cstdlib>

#include "backends/ffmpeg/audio_details.h"
#include "backends/ffmpeg/decoder_choice.h"
#include "backends/ffmpeg/stream_facts.h"
#include "backends/ffmpeg/tags.h"
#include "backends/ffmpeg/video_details.h"

namespace lumora::ffmpeg {
namespace {

MediaStreamKind KindOf(AVMediaType type) {
    switch (type) {
        case AVMEDIA_TYPE_VIDEO: return MediaStreamKind::Video;
        case AVMEDIA_TYPE_AUDIO: return MediaStreamKind::Audio;
        case AVMEDIA_TYPE_SUBTITLE: return MediaStreamKind::Subtitle;
        case AVMEDIA_TYPE_ATTACHMENT: return MediaStreamKind::Attachment;
        default: return MediaStreamKind::Data;
    }
}

uint32_t DispositionsOf(int disposition) {
    constexpr struct {
        int library;
        uint32_t ours;
    } kFlags[] = {
        {AV_DISPOSITION_DEFAULT, kDispositionDefault},
        {AV_DISPOSITION_FORCED, kDispositionForced},
        {AV_DISPOSITION_HEARING_IMPAIRED, kDispositionHearingImpaired},
        {AV_DISPOSITION_VISUAL_IMPAIRED, kDispositionVisualImpaired},
        {AV_DISPOSITION_COMMENT, kDispositionComment},
        {AV_DISPOSITION_ORIGINAL, kDispositionOriginal},
        {AV_DISPOSITION_DUB, kDispositionDub},
        {AV_DISPOSITION_CAPTIONS, kDispositionCaptions},
        {AV_DISPOSITION_DESCRIPTIONS, kDispositionDescriptions},
        {AV_DISPOSITION_LYRICS, kDispositionLyrics},
        {AV_DISPOSITION_KARAOKE, kDispositionKaraoke},
        {AV_DISPOSITION_ATTACHED_PIC, kDispositionAttachedPicture},
    };
    uint32_t flags = 0;
    for (const auto& flag : kFlags)
        if (disposition & flag.library) flags |= flag.ours;
    return flags;
}

std::optional<double> Duration(const AVStream& stream) {
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0)
        if (const auto seconds = StreamSeconds(stream, stream.duration)) return seconds;
    if (const char* tag = TagByPrefix(stream.metadata, "DURATION")) return ParseClockDuration(tag);
    return std::nullopt;
}

// The stated rate, else the samples' sizes over the stream's length where an index lists them all.
std::optional<int64_t> BitRate(AVStream& stream, std::optional<double> duration) {
    if (const int64_t stated = StatedBitRate(stream)) return stated;
    if (!duration || *duration <= 0 || !IndexListsEverySample(stream)) return std::nullopt;
    double bytes = 0;
    for (int i = 0; i < avformat_index_get_entries_count(&stream); ++i)
        bytes += avformat_index_get_entry(&stream, i)->size;
    const double rate = bytes * 8 / *duration;
    if (!std::isfinite(rate) || rate < 1 || rate > 9e18) return std::nullopt;
    return std::llround(rate);
}

MediaAttachmentDetails AttachmentOf(const AVStream& stream) {
    MediaAttachmentDetails attachment;
    attachment.fileName = TagValue(stream.metadata, "filename");
    attachment.mimeType = TagValue(stream.metadata, "mimetype");
    if (stream.codecpar->extradata_size > 0) attachment.size = stream.codecpar->extradata_size;
    return attachment;
}

}  // namespace

std::optional<double> StreamSeconds(const AVStream& stream, int64_t time) {
    if (time == AV_NOPTS_VALUE || stream.time_base.num <= 0 || stream.time_base.den <= 0) return std::nullopt;
    const double seconds = static_cast<double>(time) * av_q2d(stream.time_base);
    return std::isfinite(seconds) ? std::optional<double>(seconds) : std::nullopt;
}

bool IndexListsEverySample(AVStream& stream) {
    const int entries = avformat_index_get_entries_count(&stream);
    return entries >= 2 && stream.nb_frames == entries;
}

MediaStreamDetails ReadStreamDetails(AVFormatContext& format, AVStream& stream) {
    const AVCodecParameters& codec = *stream.codecpar;
    MediaStreamDetails details;
    details.index = stream.index;
    details.kind = KindOf(codec.codec_type);
    if (const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec.codec_id)) {
        details.codec = descriptor->name;
        if (descriptor->long_name) details.codecLong = descriptor->long_name;
    }
    details.codecTag = codec.codec_tag;
    if (const char* profile = avcodec_profile_name(codec.codec_id, codec.profile)) details.profile = profile;
    if (codec.level != FF_LEVEL_UNKNOWN && codec.level >= 0) details.level = codec.level;
    details.language = TagValue(stream.metadata, "language");
    details.title = TagValue(stream.metadata, "title");
    details.dispositions = DispositionsOf(stream.disposition);
    details.duration = Duration(stream);
    details.start = StreamSeconds(stream, stream.start_time);
    details.bitRate = BitRate(stream, details.duration);
    details.tags = TagsOf(stream.metadata);
    switch (details.kind) {
        case MediaStreamKind::Video: details.video = ReadVideoDetails(format, stream); break;
        case MediaStreamKind::Audio: details.audio = ReadAudioDetails(stream); break;
        case MediaStreamKind::Attachment: details.attachment = AttachmentOf(stream); break;
        case MediaStreamKind::Subtitle:
        case MediaStreamKind::Data: break;
    }
    if (details.kind == MediaStreamKind::Video || details.kind == MediaStreamKind::Audio ||
        details.kind == MediaStreamKind::Subtitle)
        details.decoding = DecodersOf(codec.codec_id);
    return details;
}

}  // namespace lumora::ffmpeg
