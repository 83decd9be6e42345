#include "app/lumora_info/dvd_json.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "app/lumora_info/dvd_details_json.h"
#include "app/page_text/dvd_page_lines.h"
#include "dvd/kx_dvd_info.h"
#include "dvd/language_names.h"
#include "platform/language_codes.h"

namespace {

constexpr uint32_t kNoParentalLevel = 0xFFFFFFFF;

Json Language(LCID lcid) {
    const std::string_view code = LanguageCodeOfLocale(lcid);
    return {
        {"language", std::string(LanguageName(static_cast<int32_t>(lcid)))},
        {"language_code", code.empty() ? Json() : Json(std::string(code))},
        {"language_id", lcid},
    };
}

Json Side(DVD_DISC_SIDE side) {
    switch (side) {
        case DVD_SIDE_A: return "A";
        case DVD_SIDE_B: return "B";
    }
    return Json();
}

// 1 to 8; a set flag closes the region.
Json Regions(const DVD_MenuAttributes& vmg) {
    Json regions = Json::array();
    for (size_t i = 0; i < std::size(vmg.fCompatibleRegion); ++i)
        if (!vmg.fCompatibleRegion[i]) regions.push_back(i + 1);
    return regions;
}

Json ParentalLevels(uint32_t bits) {
    Json levels = Json::array();
    for (uint32_t level = 1; level <= 8; ++level)
        if (bits & (DVD_PARENTAL_LEVEL_1 << (level - 1))) levels.push_back(level);
    return levels;
}

Json TimeCodeRate(uint32_t flags) {
    if (flags & DVD_TC_FLAG_25fps) return 25;
    if (flags & DVD_TC_FLAG_30fps) return 30000.0 / 1001.0;
    return Json();
}

Json PlayingTime(const TKx_DVD_TitleInfo& title) {
    const DVD_HMSF_TIMECODE& time = title.TotalTime;
    const Json rate = TimeCodeRate(title.TimeCodeFlags);
    double seconds = time.bHours * 3600.0 + time.bMinutes * 60.0 + time.bSeconds;
    if (!rate.is_null()) seconds += time.bFrames / rate.get<double>();
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u:%02u.%02u", time.bHours, time.bMinutes, time.bSeconds,
                  time.bFrames);
    return {{"text", text},
            {"hours", time.bHours},
            {"minutes", time.bMinutes},
            {"seconds", time.bSeconds},
            {"frames", time.bFrames},
            {"frame_rate", rate},
            {"duration_s", seconds}};
}

Json Compression(DVD_VIDEO_COMPRESSION compression) {
    switch (compression) {
        case DVD_VideoCompression_MPEG1: return "MPEG1";
        case DVD_VideoCompression_MPEG2: return "MPEG2";
        case DVD_VideoCompression_Other: break;
    }
    return Json();
}

Json Standard(ULONG frameRate) {
    if (frameRate == 50) return "PAL";
    if (frameRate == 60) return "NTSC";
    return Json();
}

Json Video(const DVD_TitleAttributes& attributes) {
    const DVD_VideoAttributes& video = attributes.VideoAttributes;
    return {
        {"text", DvdVideoLine(attributes)},
        {"compression", Compression(video.Compression)},
        {"width", video.ulSourceResolutionX},
        {"height", video.ulSourceResolutionY},
        {"aspect_ratio", std::to_string(video.ulAspectX) + ":" + std::to_string(video.ulAspectY)},
        {"aspect_ratio_x", video.ulAspectX},
        {"aspect_ratio_y", video.ulAspectY},
        {"standard", Standard(video.ulFrameRate)},
        {"field_rate", video.ulFrameRate},
        {"frame_height", video.ulFrameHeight},
        {"pan_scan_permitted", video.fPanscanPermitted != 0},
        {"letterbox_permitted", video.fLetterboxPermitted != 0},
        {"source_letterboxed", video.fIsSourceLetterboxed != 0},
        {"film_mode", video.fIsFilmMode != 0},
    };
}

// The stream's details where the title's were read.
template <class Stream>
const Stream* StreamDetails(const TKxDVDTitleDetails* title, const std::vector<Stream>& streams, size_t k) {
    return title && title->Read && k < streams.size() ? &streams[k] : nullptr;
}

Json Audio(const DVD_TitleAttributes& attributes, const TKxDVDTitleDetails* details) {
    Json streams = Json::array();
    const std::vector<std::string> lines = DvdAudioLines(attributes);
    for (size_t k = 0; k < lines.size(); ++k) {
        const DVD_AudioAttributes& audio = attributes.AudioAttributes[k];
        const std::string format = DvdAudioFormatName(audio.AudioFormat);
        Json stream = {
            {"text", lines[k]},
            {"format", format.empty() || audio.AudioFormat == DVD_AudioFormat_Other ? Json() : Json(format)},
            {"channels", audio.bNumberOfChannels},
            {"sample_rate", audio.dwFrequency},
            {"bits_per_sample", audio.bQuantization != 0 ? Json(audio.bQuantization) : Json()},
        };
        stream.update(Language(audio.Language));
        stream["language_extension"] = audio.LanguageExtension;
        PutDvdAudioDetails(stream, details ? StreamDetails(details, details->Audio, k) : nullptr);
        streams.push_back(std::move(stream));
    }
    return streams;
}

Json Subtitles(const DVD_TitleAttributes& attributes, const TKxDVDTitleDetails* details) {
    Json streams = Json::array();
    const size_t count = DvdSubtitleLines(attributes).size();
    for (size_t k = 0; k < count; ++k) {
        const DVD_SubpictureAttributes& subpicture = attributes.SubpictureAttributes[k];
        Json stream = Language(subpicture.Language);
        stream["language_extension"] = subpicture.LanguageExtension;
        PutDvdSubtitleDetails(stream, details ? StreamDetails(details, details->Subtitles, k) : nullptr);
        streams.push_back(std::move(stream));
    }
    return streams;
}

Json Title(int32_t index, const TKx_DVD_TitleInfo& title, const TKxDVDTitleDetails* details) {
    Json object = {
        {"number", index + 1},
        {"text", DvdTitleLine(index, title)},
        {"playing_time", PlayingTime(title)},
        {"chapters", title.NumberOfChapters},
        {"parental_levels", ParentalLevels(title.ParentalLevels)},
        {"video", Video(title.TitleAttributes)},
        {"audio", Audio(title.TitleAttributes, details)},
        {"subtitles", Subtitles(title.TitleAttributes, details)},
    };
    PutDvdTitleDetails(object, details);
    return object;
}

}  // namespace

void PutDvdFacts(Json& object, const TKxDVDInfo& dvd, const TKxDVDDetails& details) {
    char discId[17];
    std::snprintf(discId, sizeof discId, "%016llX", static_cast<unsigned long long>(dvd.DiscID));
    object["disc_id"] = discId;
    object["volumes"] = dvd.NumberOfVolumes;
    object["volume"] = dvd.Volume;
    object["side"] = Side(dvd.Side);
    object["regions"] = Regions(dvd.VMGAttributes);
    object["parental_level"] = dvd.ParentalLevel == kNoParentalLevel ? Json() : Json(dvd.ParentalLevel);
    PutDvdVolumeDetails(object, details);
    Json titles = Json::array();
    for (int32_t i = 0; i < dvd.Titles.Count(); ++i) {
        const auto at = static_cast<size_t>(i);
        titles.push_back(
            Title(i, dvd.Titles.Items(i), at < details.Titles.size() ? &details.Titles[at] : nullptr));
    }
    object["titles"] = std::move(titles);
}
