#include "backends/ffmpeg/details_reader.h"

#include "backends/ffmpeg/chapter_details.h"
#include "backends/ffmpeg/first_frames.h"
#include "backends/ffmpeg/general_details.h"
#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/stream_details.h"

namespace lumora::ffmpeg {

MediaDetails ReadMediaDetails(MediaInput& input) {
    AVFormatContext& format = *input.Format();
    MediaDetails details;
    ReadGeneralDetails(format, input.FileSize(), details);
    details.streams.reserve(format.nb_streams);
    for (unsigned i = 0; i < format.nb_streams; ++i)
        details.streams.push_back(ReadStreamDetails(format, *format.streams[i]));
    details.chapters = ReadChapters(format);
    const bool finished = ReadFirstFrames(input, details);
    details.cutShort = input.CutShort() || !finished;
    return details;
}

}  // namespace lumora::ffmpeg
