#include "backends/ffmpeg/side_data.h"

extern "C" {
#include <libavutil/dovi_meta.h>
#include <libavutil/mastering_display_metadata.h>
}

#include <cmath>

namespace lumora::ffmpeg {
namespace {

std::optional<double> Finite(AVRational value) {
    if (value.den == 0) return std::nullopt;
    const double number = av_q2d(value);
    return std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
}

std::optional<MediaChromaticity> Point(const AVRational (&xy)[2]) {
    const auto x = Finite(xy[0]);
    const auto y = Finite(xy[1]);
    if (!x || !y) return std::nullopt;
    return MediaChromaticity{*x, *y};
}

}  // namespace

const uint8_t* StreamSideData(const AVStream& stream, AVPacketSideDataType type, size_t minimumSize) {
#if LIBAVFORMAT_VERSION_MAJOR >= 61
    const AVPacketSideData* all = stream.codecpar->coded_side_data;
    const int count = stream.codecpar->nb_coded_side_data;
#else
    const AVPacketSideData* all = stream.side_data;
    const int count = stream.nb_side_data;
#endif
    for (int i = 0; i < count; ++i)
        if (all[i].type == type && all[i].data && all[i].size >= minimumSize) return all[i].data;
    return nullptr;
}

std::optional<MediaMasteringDisplay> MasteringDisplayOf(const AVMasteringDisplayMetadata& metadata) {
    MediaMasteringDisplay display;
    if (metadata.has_primaries) {
        // libavutil orders the primaries red, green, blue.
        display.red = Point(metadata.display_primaries[0]);
        display.green = Point(metadata.display_primaries[1]);
        display.blue = Point(metadata.display_primaries[2]);
        display.whitePoint = Point(metadata.white_point);
    }
    if (metadata.has_luminance) {
        display.minLuminance = Finite(metadata.min_luminance);
        display.maxLuminance = Finite(metadata.max_luminance);
    }
    if (!display.red && !display.green && !display.blue && !display.whitePoint && !display.minLuminance &&
        !display.maxLuminance)
        return std::nullopt;
    return display;
}

MediaDolbyVision DolbyVisionOf(const AVDOVIDecoderConfigurationRecord& record) {
    return {record.dv_version_major,
            record.dv_version_minor,
            record.dv_profile,
            record.dv_level,
            record.rpu_present_flag != 0,
            record.el_present_flag != 0,
            record.bl_present_flag != 0,
            record.dv_bl_signal_compatibility_id};
}

void MergeMasteringDisplay(const AVMasteringDisplayMetadata* metadata, MediaVideoDetails& video) {
    if (metadata && !video.masteringDisplay) video.masteringDisplay = MasteringDisplayOf(*metadata);
}

void MergeLightLevels(const AVContentLightMetadata* metadata, MediaVideoDetails& video) {
    if (!metadata) return;
    if (!video.maxContentLightLevel && metadata->MaxCLL) video.maxContentLightLevel = metadata->MaxCLL;
    if (!video.maxFrameAverageLightLevel && metadata->MaxFALL)
        video.maxFrameAverageLightLevel = metadata->MaxFALL;
}

}  // namespace lumora::ffmpeg
