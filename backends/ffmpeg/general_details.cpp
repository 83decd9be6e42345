#include "backends/ffmpeg/general_details.h"

#include "backends/ffmpeg/tags.h"

namespace lumora::ffmpeg {

void ReadGeneralDetails(const AVFormatContext& format, int64_t fileSize, MediaDetails& details) {
    details.formatName = format.iformat->name;
    if (format.iformat->long_name) details.formatLongName = format.iformat->long_name;
    details.majorBrand = TagValue(format.metadata, "major_brand");
    if (fileSize >= 0) details.fileSize = fileSize;
    if (format.duration != AV_NOPTS_VALUE && format.duration > 0) {
        details.duration = static_cast<double>(format.duration) / AV_TIME_BASE;
        details.durationEstimated = format.duration_estimation_method == AVFMT_DURATION_FROM_BITRATE;
    }
    if (format.bit_rate > 0) details.bitRate = format.bit_rate;
    if (format.start_time != AV_NOPTS_VALUE)
        details.start = static_cast<double>(format.start_time) / AV_TIME_BASE;
    details.tags = TagsOf(format.metadata);
}

}  // namespace lumora::ffmpeg
