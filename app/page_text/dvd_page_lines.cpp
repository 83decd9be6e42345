#include "app/page_text/dvd_page_lines.h"

#include <algorithm>

#include "dvd/kx_dvd_info.h"
#include "dvd/language_names.h"

namespace {

std::string Number(uint64_t value) { return std::to_string(value); }

std::string Language(LCID locale) { return std::string(LanguageName(static_cast<int32_t>(locale))); }

}  // namespace

std::string DvdTitleLine(int32_t index, const TKx_DVD_TitleInfo& title) {
    const DVD_HMSF_TIMECODE& time = title.TotalTime;
    return "Глава " + Number(static_cast<uint64_t>(index) + 1) + "  [" + Number(time.bHours) + ":" +
           Number(time.bMinutes) + ":" + Number(time.bSeconds) + "]";
}

std::string DvdVideoLine(const DVD_TitleAttributes& attributes) {
    const DVD_VideoAttributes& video = attributes.VideoAttributes;
    std::string line;
    switch (video.Compression) {
        case DVD_VideoCompression_Other: line = "[Неизвестный формат видео] "; break;
        case DVD_VideoCompression_MPEG1: line = "MPEG1 "; break;
        case DVD_VideoCompression_MPEG2: line = "MPEG2 "; break;
    }
    return line + Number(video.ulSourceResolutionX) + "x" + Number(video.ulSourceResolutionY) + " " +
           Number(video.ulAspectX) + ":" + Number(video.ulAspectY) + " ";
}

std::string DvdAudioFormatName(DVD_AUDIO_FORMAT format) {
    constexpr const char* kNames[] = {
        "AC3",   "MPEG1",     "MPEG1 DRC",
        "MPEG2", "MPEG2 DRC", "LPCM",
        "DTS",   "SDDS",      "[Неизвестный формат аудио]",
    };
    return format < std::size(kNames) ? kNames[format] : "";
}

std::vector<std::string> DvdAudioLines(const DVD_TitleAttributes& attributes) {
    std::vector<std::string> lines;
    const ULONG count =
        std::min<ULONG>(attributes.ulNumberOfAudioStreams, std::size(attributes.AudioAttributes));
    for (ULONG k = 0; k < count; ++k) {
        const DVD_AudioAttributes& audio = attributes.AudioAttributes[k];
        lines.push_back(DvdAudioFormatName(audio.AudioFormat) + " - " + Number(audio.bNumberOfChannels) +
                        " канала(ов)" + " - " + Language(audio.Language));
    }
    return lines;
}

std::vector<std::string> DvdSubtitleLines(const DVD_TitleAttributes& attributes) {
    std::vector<std::string> lines;
    const ULONG count =
        std::min<ULONG>(attributes.ulNumberOfSubpictureStreams, std::size(attributes.SubpictureAttributes));
    for (ULONG k = 0; k < count; ++k)
        lines.push_back(Language(attributes.SubpictureAttributes[k].Language));
    return lines;
}
