#include "backends/ffmpeg/stream_facts.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <string_view>

#include "backends/ffmpeg/tags.h"
#include "platform/media_types.h"
#include "platform/media_uuids.h"

namespace lumora::ffmpeg {
namespace {

// The MPEG video parser's marker for a variable bit rate (0x3FFFF × 400).
constexpr int64_t kMpegVariableBitRate = 104857200;

struct SubtitleInfo {  // SUBTITLEINFO
    DWORD dwOffset;
    char IsoLang[4];
    char16_t TrackName[256];
};

bool StoresOwnTags(const AVFormatContext& format, bool audio) {
    const std::string_view name = format.iformat->name;
    return name == "avi" || (audio && name == "wav");
}

bool IsQuickTime(const AVFormatContext& format) {
    return std::string_view(format.iformat->name).substr(0, 4) == "mov,";
}

}  // namespace

int64_t StatedBitRate(const AVStream& stream) {
    int64_t rate = stream.codecpar->bit_rate;
    if (rate <= 0)
        if (const char* bps = TagByPrefix(stream.metadata, "BPS")) rate = std::strtoll(bps, nullptr, 10);
    if (rate <= 0 || rate == kMpegVariableBitRate) return 0;
    return rate;
}

namespace {

DWORD Clamp32(int64_t value) {
    return static_cast<DWORD>(std::clamp<int64_t>(value, 0, std::numeric_limits<DWORD>::max()));
}

bool IsRgb(AVPixelFormat pixelFormat) {
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(pixelFormat);
    return descriptor && (descriptor->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL)) &&
           !(descriptor->flags & AV_PIX_FMT_FLAG_PLANAR);
}

uint32_t TagFromTable(const AVCodecTag* table, AVCodecID codec) {
    const AVCodecTag* const tables[] = {table, nullptr};
    unsigned int tag = 0;
    return av_codec_get_tag2(tables, codec, &tag) ? tag : 0;
}

uint32_t VideoCompression(const AVFormatContext& format, const AVCodecParameters& codec) {
    if (StoresOwnTags(format, false)) return codec.codec_tag;
    const auto pixelFormat = static_cast<AVPixelFormat>(codec.format);
    if (codec.codec_id == AV_CODEC_ID_RAWVIDEO) {
        if (IsRgb(pixelFormat)) return 0;
        if (const uint32_t tag = avcodec_pix_fmt_to_codec_tag(pixelFormat)) return tag;
    }
    // MP4 and QuickTime files name their video by a code of their own ('hvc1' or 'hev1', 'avc1'),
    // which comes first as an AVI file's does.
    if (IsQuickTime(format) && codec.codec_tag) return codec.codec_tag;
    if (const uint32_t tag = TagFromTable(avformat_get_riff_video_tags(), codec.codec_id)) return tag;
    if (const uint32_t tag = TagFromTable(avformat_get_mov_video_tags(), codec.codec_id)) return tag;
    if (codec.codec_tag) return codec.codec_tag;
    // A compressed stream never gets 0: that would read as uncompressed RGB.
    char name[4] = {' ', ' ', ' ', ' '};
    const char* codecName = avcodec_get_name(codec.codec_id);
    for (size_t i = 0; i < 4 && codecName[i]; ++i)
        name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(codecName[i])));
    return MakeFourCC(name[0], name[1], name[2], name[3]);
}

int BitsPerPixel(const AVCodecParameters& codec) {
    if (const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(codec.format)))
        return av_get_bits_per_pixel(descriptor);
    return codec.bits_per_coded_sample;
}

GUID RgbSubtype(const AVCodecParameters& codec, int bitsPerPixel) {
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(codec.format));
    const bool alpha = descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_ALPHA);
    switch (bitsPerPixel) {
        case 1: return MEDIASUBTYPE_RGB1;
        case 4: return MEDIASUBTYPE_RGB4;
        case 8: return MEDIASUBTYPE_RGB8;
        case 15: return MEDIASUBTYPE_RGB555;
        case 16:
            return codec.format == AV_PIX_FMT_RGB555LE || codec.format == AV_PIX_FMT_BGR555LE
                       ? MEDIASUBTYPE_RGB555
                       : MEDIASUBTYPE_RGB565;
        case 24: return MEDIASUBTYPE_RGB24;
        default: return alpha ? MEDIASUBTYPE_ARGB32 : MEDIASUBTYPE_RGB32;
    }
}

template <class Block>
std::vector<unsigned char> BlockBytes(const Block& block, size_t size = sizeof(Block)) {
    std::vector<unsigned char> bytes(std::max(size, sizeof(Block)));
    std::memcpy(bytes.data(), &block, sizeof(Block));
    return bytes;
}

double FrameRate(const AVStream& stream) {
    const double average = av_q2d(stream.avg_frame_rate);
    if (average >= 8 && average <= 250) return average;
    if (stream.r_frame_rate.num > 0 && stream.r_frame_rate.den > 0) return av_q2d(stream.r_frame_rate);
    const AVRational guessed = av_guess_frame_rate(nullptr, const_cast<AVStream*>(&stream), nullptr);
    return guessed.num > 0 && guessed.den > 0 ? av_q2d(guessed) : 0;
}

void DescribeVideo(AVFormatContext& format, AVStream& stream, StreamFacts& facts) {
    const AVCodecParameters& codec = *stream.codecpar;
    facts.majortype = MEDIATYPE_Video;
    facts.frameRate = FrameRate(stream);
    facts.frameRateResult = facts.frameRate > 0 ? S_OK : S_FALSE;

    BITMAPINFOHEADER bmi{};
    bmi.biSize = sizeof bmi;
    bmi.biWidth = codec.width;
    bmi.biHeight = codec.height;
    bmi.biPlanes = 1;
    bmi.biBitCount = static_cast<WORD>(std::max(BitsPerPixel(codec), 0));
    bmi.biCompression = VideoCompression(format, codec);

    const DWORD bitRate = Clamp32(StatedBitRate(stream));
    const REFERENCE_TIME timePerFrame = facts.frameRate > 0 ? std::llround(1e7 / facts.frameRate) : 0;

    // An AVI file describes its video by the code it stores, MPEG-1/2 too ('mpeg', 'mp2v' …), as
    // an AVI splitter does; the MPEG blocks are for the MPEG containers and the others.
    const bool avi = StoresOwnTags(format, false);
    const bool mpeg1 = !avi && codec.codec_id == AV_CODEC_ID_MPEG1VIDEO;
    const bool mpeg2 = !avi && codec.codec_id == AV_CODEC_ID_MPEG2VIDEO;
    if (mpeg1 || avi) {
        VIDEOINFOHEADER header{};
        header.dwBitRate = bitRate;
        header.AvgTimePerFrame = timePerFrame;
        header.bmiHeader = bmi;
        if (mpeg1) {
            MPEG1VIDEOINFO info{};
            info.hdr = header;
            facts.subtype = MEDIASUBTYPE_MPEG1Payload;
            facts.formattype = FORMAT_MPEGVideo;
            facts.format = BlockBytes(info);
            return;
        }
        facts.formattype = FORMAT_VideoInfo;
        facts.format = BlockBytes(header);
    } else {
        VIDEOINFOHEADER2 header{};
        header.dwBitRate = bitRate;
        header.AvgTimePerFrame = timePerFrame;
        header.bmiHeader = bmi;
        // Display aspect: the picture size stretched by the sample aspect ratio.
        AVRational sample = av_guess_sample_aspect_ratio(&format, &stream, nullptr);
        if (sample.num <= 0 || sample.den <= 0) sample = {1, 1};
        int64_t x = int64_t{codec.width} * sample.num;
        int64_t y = int64_t{codec.height} * sample.den;
        if (const int64_t divisor = std::gcd(x, y); divisor > 0) {
            x /= divisor;
            y /= divisor;
        }
        header.dwPictAspectRatioX = Clamp32(x);
        header.dwPictAspectRatioY = Clamp32(y);
        if (mpeg2) {
            MPEG2VIDEOINFO info{};
            info.hdr = header;
            facts.subtype = MEDIASUBTYPE_MPEG2_VIDEO;
            facts.formattype = FORMAT_MPEG2Video;
            facts.format = BlockBytes(info);
            return;
        }
        facts.formattype = FORMAT_VideoInfo2;
        facts.format = BlockBytes(header);
    }
    facts.subtype =
        bmi.biCompression == 0 ? RgbSubtype(codec, bmi.biBitCount) : FourCCGuid(bmi.biCompression);
}

uint16_t AudioFormatTag(const AVFormatContext& format, const AVCodecParameters& codec) {
    if (StoresOwnTags(format, true)) return static_cast<uint16_t>(codec.codec_tag);
    return static_cast<uint16_t>(TagFromTable(avformat_get_riff_audio_tags(), codec.codec_id));
}

// The bits per sample a file states for a codec without a fixed sample size. AVI and WAV store
// the WAVEFORMATEX itself; elsewhere a lossy codec's stated depth is only that of its decoded
// output (Matroska states 32 for AAC), which would read as a bit rate, so it counts as 0.
int StoredSampleBits(const AVFormatContext& format, const AVCodecParameters& codec) {
    if (StoresOwnTags(format, true)) return codec.bits_per_coded_sample;
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec.codec_id);
    if (descriptor && (descriptor->props & AV_CODEC_PROP_LOSSY)) return 0;
    return codec.bits_per_coded_sample;
}

void DescribeAudio(const AVFormatContext& format, const AVStream& stream, StreamFacts& facts) {
    const AVCodecParameters& codec = *stream.codecpar;
    facts.majortype = MEDIATYPE_Audio;
    facts.formattype = FORMAT_WaveFormatEx;
    facts.frameRateResult = VFW_E_INVALIDMEDIATYPE;

    WAVEFORMATEX wave{};
    wave.wFormatTag = AudioFormatTag(format, codec);
    wave.nChannels = static_cast<WORD>(std::clamp(codec.ch_layout.nb_channels, 0, 0xFFFF));
    wave.nSamplesPerSec = Clamp32(codec.sample_rate);
    const int sampleBits = av_get_bits_per_sample(codec.codec_id);
    wave.wBitsPerSample = static_cast<WORD>(
        std::clamp(sampleBits > 0 ? sampleBits : StoredSampleBits(format, codec), 0, 0xFFFF));
    const int64_t bitRate = StatedBitRate(stream);
    wave.nAvgBytesPerSec =
        bitRate > 0 ? Clamp32(bitRate / 8)
                    : Clamp32(int64_t{codec.sample_rate} * wave.nChannels * std::max(sampleBits, 0) / 8);
    wave.nBlockAlign = static_cast<WORD>(std::clamp(codec.block_align, 0, 0xFFFF));

    const size_t extra = std::min<size_t>(std::max(codec.extradata_size, 0), 0xFFFF - sizeof wave);
    wave.cbSize = static_cast<WORD>(extra);
    facts.format = BlockBytes(wave, sizeof wave + extra);
    if (extra) std::memcpy(facts.format.data() + sizeof wave, codec.extradata, extra);

    switch (codec.codec_id) {
        case AV_CODEC_ID_AC3: facts.subtype = MEDIASUBTYPE_DOLBY_AC3; break;
        case AV_CODEC_ID_DTS: facts.subtype = MEDIASUBTYPE_DTS; break;
        case AV_CODEC_ID_PCM_DVD: facts.subtype = MEDIASUBTYPE_DVD_LPCM_AUDIO; break;
        case AV_CODEC_ID_MP1:
        case AV_CODEC_ID_MP2: facts.subtype = MEDIASUBTYPE_MPEG1AudioPayload; break;
        default: facts.subtype = FourCCGuid(wave.wFormatTag); break;
    }
}

void DescribeSubtitle(const AVStream& stream, StreamFacts& facts) {
    facts.majortype = MEDIATYPE_Subtitle;
    facts.formattype = FORMAT_SubtitleInfo;
    facts.frameRateResult = VFW_E_INVALIDMEDIATYPE;
    switch (stream.codecpar->codec_id) {
        case AV_CODEC_ID_DVD_SUBTITLE: facts.subtype = MEDIASUBTYPE_DVD_SUBPICTURE; break;
        case AV_CODEC_ID_SUBRIP:
        case AV_CODEC_ID_TEXT:
        case AV_CODEC_ID_MOV_TEXT: facts.subtype = MEDIASUBTYPE_UTF8; break;
        case AV_CODEC_ID_ASS:
        case AV_CODEC_ID_SSA: facts.subtype = MEDIASUBTYPE_ASS; break;
        case AV_CODEC_ID_HDMV_PGS_SUBTITLE: facts.subtype = MEDIASUBTYPE_HDMVSUB; break;
        default: facts.subtype = GUID_NULL; break;
    }
    SubtitleInfo info{};
    info.dwOffset = sizeof info;
    if (const AVDictionaryEntry* language = av_dict_get(stream.metadata, "language", nullptr, 0))
        std::strncpy(info.IsoLang, language->value, sizeof info.IsoLang - 1);
    if (const char* title = TagByPrefix(stream.metadata, "title"))
        for (size_t i = 0; title[i] && i + 1 < std::size(info.TrackName); ++i)
            info.TrackName[i] = static_cast<unsigned char>(title[i]) < 0x80 ? title[i] : u'?';
    facts.format = BlockBytes(info);
}

std::optional<double> StreamLength(const AVFormatContext& format, const AVStream& stream) {
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0 && stream.time_base.den > 0)
        return static_cast<double>(stream.duration) * av_q2d(stream.time_base);
    if (const char* tag = TagByPrefix(stream.metadata, "DURATION"))
        if (const auto length = ParseClockDuration(tag)) return length;
    if (format.duration != AV_NOPTS_VALUE && format.duration > 0)
        return static_cast<double>(format.duration) / AV_TIME_BASE;
    return std::nullopt;
}

}  // namespace

std::vector<StreamFacts> DescribeStreams(AVFormatContext& format) {
    std::vector<StreamFacts> streams;
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        AVStream& stream = *format.streams[i];
        StreamFacts facts;
        switch (stream.codecpar->codec_type) {
            case AVMEDIA_TYPE_VIDEO:
                if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) continue;  // cover art
                DescribeVideo(format, stream, facts);
                break;
            case AVMEDIA_TYPE_AUDIO: DescribeAudio(format, stream, facts); break;
            case AVMEDIA_TYPE_SUBTITLE: DescribeSubtitle(stream, facts); break;
            default: continue;
        }
        facts.length = StreamLength(format, stream);
        streams.push_back(std::move(facts));
    }
    return streams;
}

}  // namespace lumora::ffmpeg
