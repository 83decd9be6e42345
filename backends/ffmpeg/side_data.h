// A stream's side data (display matrix, stereo packing, HDR metadata) and libavutil's HDR
// structures in the platform's terms.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <optional>

#include "platform/media_details.h"

struct AVMasteringDisplayMetadata;
struct AVContentLightMetadata;
struct AVDOVIDecoderConfigurationRecord;

namespace lumora::ffmpeg {

// The stream's side data of that type when it holds at least minimumSize bytes, else null (the
// one place that knows where a libavformat version keeps it).
const uint8_t* StreamSideData(const AVStream& stream, AVPacketSideDataType type, size_t minimumSize);

template <class Structure>
const Structure* StreamSideDataAs(const AVStream& stream, AVPacketSideDataType type) {
    return reinterpret_cast<const Structure*>(StreamSideData(stream, type, sizeof(Structure)));
}

// Only the coordinates and luminances whose fractions have a denominator and a finite value.
std::optional<MediaMasteringDisplay> MasteringDisplayOf(const AVMasteringDisplayMetadata& metadata);
MediaDolbyVision DolbyVisionOf(const AVDOVIDecoderConfigurationRecord& record);

// Writes what the HDR metadata tells into video, keeping what video already knows.
void MergeMasteringDisplay(const AVMasteringDisplayMetadata* metadata, MediaVideoDetails& video);
void MergeLightLevels(const AVContentLightMetadata* metadata, MediaVideoDetails& video);

}  // namespace lumora::ffmpeg
