// What the media detector reports of one stream, taken from libavformat once at open time.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/guid.h"
#include "platform/hresult.h"

struct AVFormatContext;
struct AVStream;

namespace lumora::ffmpeg {

struct StreamFacts {
    GUID majortype{};
    GUID subtype{};
    GUID formattype{};
    std::vector<unsigned char> format;  // the format block
    std::optional<double> length;       // seconds
    HRESULT frameRateResult = S_FALSE;
    double frameRate = 0;
};

// The file's video, audio and subtitle streams in index order; data streams, attachments and
// attached pictures are left out.
std::vector<StreamFacts> DescribeStreams(AVFormatContext& format);

// Bits per second: the stream's own, else its statistics tag (Matroska's "BPS"); 0 when neither
// is known or the MPEG marker of a variable rate stands in for it.
int64_t StatedBitRate(const AVStream& stream);

}  // namespace lumora::ffmpeg
