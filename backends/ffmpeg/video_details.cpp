#include "backends/ffmpeg/video_details.h"

extern "C" {
#include <libavutil/display.h>
#include <libavutil/dovi_meta.h>
#include <libavutil/mastering_display_metadata.h>
#include <libavutil/pixdesc.h>
#include <libavutil/stereo3d.h>
}

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numeric>

#include "backends/ffmpeg/side_data.h"
#include "backends/ffmpeg/stream_details.h"

namespace lumora::ffmpeg {
namespace {

constexpr int kH273Unspecified = 2;
constexpr int kH273Limit = 255;
constexpr size_t kFewestSteps = 4;

// An enum field as the number it holds: demuxers copy numbers from the file into them unchecked,
// and reading such a field as its enum type is undefined beyond the enum's values.
template <class Enum>
int Raw(const Enum& field) {
    static_assert(sizeof(Enum) == sizeof(int));
    int value = 0;
    std::memcpy(&value, &field, sizeof value);
    return value;
}

std::optional<MediaRatio> RatioOf(AVRational value) {
    if (value.num <= 0 || value.den <= 0) return std::nullopt;
    return MediaRatio{value.num, value.den};
}

std::optional<MediaRatio> Reduced(int64_t num, int64_t den) {
    if (num <= 0 || den <= 0) return std::nullopt;
    const int64_t divisor = std::gcd(num, den);
    return MediaRatio{num / divisor, den / divisor};
}

// A code point that says something: neither H.273's "unspecified" nor out of its range.
std::optional<int> CodePoint(int value, bool zeroMeansSomething) {
    if (value == kH273Unspecified || value < 0 || value > kH273Limit || (value == 0 && !zeroMeansSomething))
        return std::nullopt;
    return value;
}

// Codecs that code whole pictures only.
bool CodesFramesOnly(AVCodecID codec) {
    switch (codec) {
        case AV_CODEC_ID_MPEG1VIDEO:
        case AV_CODEC_ID_MSMPEG4V1:
        case AV_CODEC_ID_MSMPEG4V2:
        case AV_CODEC_ID_MSMPEG4V3:
        case AV_CODEC_ID_WMV1:
        case AV_CODEC_ID_WMV2:
        case AV_CODEC_ID_H263:
        case AV_CODEC_ID_FLV1:
        case AV_CODEC_ID_VP8:
        case AV_CODEC_ID_VP9:
        case AV_CODEC_ID_AV1:
        case AV_CODEC_ID_THEORA: return true;
        default: return false;
    }
}

std::optional<MediaFieldOrder> FieldOrderOf(int order, AVCodecID codec) {
    if (order == AV_FIELD_UNKNOWN && CodesFramesOnly(codec)) return MediaFieldOrder::Progressive;
    switch (order) {
        case AV_FIELD_PROGRESSIVE: return MediaFieldOrder::Progressive;
        case AV_FIELD_TT: return MediaFieldOrder::TopFirst;
        case AV_FIELD_BB: return MediaFieldOrder::BottomFirst;
        case AV_FIELD_TB: return MediaFieldOrder::TopCodedBottomShown;
        case AV_FIELD_BT: return MediaFieldOrder::BottomCodedTopShown;
        default: return std::nullopt;
    }
}

void ReadPixels(const AVCodecParameters& codec, MediaVideoDetails& video) {
    const auto format = static_cast<AVPixelFormat>(codec.format);
    if (const char* name = av_get_pix_fmt_name(format)) video.pixelFormat = name;
    if (const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format)) {
        video.bitDepth = descriptor->comp[0].depth;
        const bool yuv = !(descriptor->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL));
        if (yuv && descriptor->nb_components >= 3)
            video.chromaSubsampling =
                MediaChromaSubsampling{descriptor->log2_chroma_w, descriptor->log2_chroma_h};
    } else if (codec.bits_per_raw_sample > 0) {
        video.bitDepth = codec.bits_per_raw_sample;
    }
}

void ReadColour(const AVCodecParameters& codec, MediaVideoDetails& video) {
    const int range = Raw(codec.color_range);
    if (range == AVCOL_RANGE_MPEG) video.colorRange = 0;
    if (range == AVCOL_RANGE_JPEG) video.colorRange = 1;
    video.colorPrimaries = CodePoint(Raw(codec.color_primaries), false);
    video.transferCharacteristics = CodePoint(Raw(codec.color_trc), false);
    video.matrixCoefficients = CodePoint(Raw(codec.color_space), true);
    // libavutil counts chroma locations from 1 ("left", H.273's type 0); 0 is unspecified.
    if (const int location = Raw(codec.chroma_location);
        location > AVCHROMA_LOC_UNSPECIFIED && location < AVCHROMA_LOC_NB)
        video.chromaLocation = location - 1;
}

void ReadSideData(const AVStream& stream, MediaVideoDetails& video) {
    if (const auto* matrix = StreamSideDataAs<int32_t[9]>(stream, AV_PKT_DATA_DISPLAYMATRIX)) {
        const double counterClockwise = av_display_rotation_get(*matrix);
        if (std::isfinite(counterClockwise)) {
            const double clockwise = std::fmod(360.0 - std::fmod(counterClockwise, 360.0), 360.0);
            video.rotation = clockwise + 0.0;  // never -0
        }
    }
    if (const auto* stereo = StreamSideDataAs<AVStereo3D>(stream, AV_PKT_DATA_STEREO3D))
        if (stereo->type != AV_STEREO3D_2D) video.stereo3d = av_stereo3d_type_name(stereo->type);
    MergeMasteringDisplay(
        StreamSideDataAs<AVMasteringDisplayMetadata>(stream, AV_PKT_DATA_MASTERING_DISPLAY_METADATA), video);
    MergeLightLevels(StreamSideDataAs<AVContentLightMetadata>(stream, AV_PKT_DATA_CONTENT_LIGHT_LEVEL),
                     video);
    if (const auto* record =
            StreamSideDataAs<AVDOVIDecoderConfigurationRecord>(stream, AV_PKT_DATA_DOVI_CONF))
        video.dolbyVision = DolbyVisionOf(*record);
}

std::optional<MediaFrameRateMode> ModeFromIndex(AVStream& stream) {
    if (!IndexListsEverySample(stream)) return std::nullopt;
    std::vector<int64_t> times;
    const int entries = avformat_index_get_entries_count(&stream);
    times.reserve(static_cast<size_t>(entries));
    for (int i = 0; i < entries; ++i)
        times.push_back(avformat_index_get_entry(&stream, i)->timestamp);
    return FrameRateModeOf(std::move(times), 0);
}

}  // namespace

std::optional<MediaFrameRateMode> FrameRateModeOf(std::vector<int64_t> times, int reorderDepth) {
    std::sort(times.begin(), times.end());
    // The latest times may still miss frames shown before them but stored after (B-frames).
    const size_t unsure =
        times.size() > kFewestSteps + 1 ? static_cast<size_t>(std::clamp(reorderDepth, 0, 16)) : 0;
    if (times.size() < kFewestSteps + 1 + unsure) return std::nullopt;
    times.resize(times.size() - unsure);
    int64_t smallest = INT64_MAX, largest = 0;
    for (size_t i = 1; i < times.size(); ++i) {
        const int64_t step = times[i] - times[i - 1];
        if (step <= 0) return MediaFrameRateMode::Variable;
        smallest = std::min(smallest, step);
        largest = std::max(largest, step);
    }
    return largest - smallest <= 1 ? MediaFrameRateMode::Constant : MediaFrameRateMode::Variable;
}

MediaVideoDetails ReadVideoDetails(AVFormatContext& format, AVStream& stream) {
    const AVCodecParameters& codec = *stream.codecpar;
    MediaVideoDetails video;
    video.width = codec.width;
    video.height = codec.height;
    const AVRational sample = av_guess_sample_aspect_ratio(&format, &stream, nullptr);
    video.sampleAspect = RatioOf(sample);
    video.displayAspect = video.sampleAspect
                              ? Reduced(int64_t{codec.width} * sample.num, int64_t{codec.height} * sample.den)
                              : Reduced(codec.width, codec.height);
    video.averageFrameRate = RatioOf(stream.avg_frame_rate);
    video.realFrameRate = RatioOf(stream.r_frame_rate);
    video.frameRateMode = ModeFromIndex(stream);
    ReadPixels(codec, video);
    ReadColour(codec, video);
    video.fieldOrder = FieldOrderOf(Raw(codec.field_order), codec.codec_id);
    ReadSideData(stream, video);
    return video;
}

}  // namespace lumora::ffmpeg
