#include "backends/ffmpeg/chapter_details.h"

#include <cmath>

#include "backends/ffmpeg/tags.h"

namespace lumora::ffmpeg {
namespace {

std::optional<double> Seconds(int64_t time, AVRational base) {
    if (time == AV_NOPTS_VALUE || base.den <= 0 || base.num <= 0) return std::nullopt;
    const double seconds = static_cast<double>(time) * av_q2d(base);
    return std::isfinite(seconds) ? std::optional<double>(seconds) : std::nullopt;
}

}  // namespace

std::vector<MediaChapterDetails> ReadChapters(const AVFormatContext& format) {
    std::vector<MediaChapterDetails> chapters;
    chapters.reserve(format.nb_chapters);
    for (unsigned i = 0; i < format.nb_chapters; ++i) {
        const AVChapter& chapter = *format.chapters[i];
        chapters.push_back({Seconds(chapter.start, chapter.time_base),
                            Seconds(chapter.end, chapter.time_base), TagValue(chapter.metadata, "title")});
    }
    return chapters;
}

}  // namespace lumora::ffmpeg
