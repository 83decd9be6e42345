#include "app/lumora_info/dvd_details_json.h"

#include <cmath>

namespace {

// Whole numbers without a fraction, as everywhere in the JSON.
Json Seconds(const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) return Json();
    const double rounded = std::round(*value * 1000) / 1000;
    if (rounded == std::trunc(rounded)) return static_cast<int64_t>(rounded);
    return rounded;
}

Json LabelSource(DvdLabelSource source) {
    switch (source) {
        case DvdLabelSource::Udf: return "udf";
        case DvdLabelSource::Iso9660: return "iso9660";
        case DvdLabelSource::Folder: return "folder";
        case DvdLabelSource::None: break;
    }
    return Json();
}

template <class Value>
Json Optional(const std::optional<Value>& value) {
    return value ? Json(*value) : Json();
}

}  // namespace

void PutDvdVolumeDetails(Json& object, const TKxDVDDetails& details) {
    object["label"] = TextOrNull(details.Label);
    object["label_source"] = LabelSource(details.LabelSource);
    object["vmg_id"] = TextOrNull(details.VMGId);
    object["provider_id"] = TextOrNull(details.ProviderId);
    object["title_sets"] = details.Read ? Json(details.TitleSets) : Json();
    object["longest_title"] = Optional(details.LongestTitle);
}

void PutDvdTitleDetails(Json& title, const TKxDVDTitleDetails* details) {
    const bool read = details && details->Read;
    title["title_set"] = read ? Json(details->TitleSet) : Json();
    title["title_in_set"] = read ? Json(details->TitleInSet) : Json();
    title["title_set_id"] = read ? TextOrNull(details->TitleSetId) : Json();
    title["angles"] = read ? Json(details->Angles) : Json();
    Json chapters = Json::array();
    Json cells = Json::array();
    Json palette = Json::array();
    if (read) {
        for (const TKxDVDChapter& chapter : details->Chapters)
            chapters.push_back({{"number", chapter.Number},
                                {"start_s", Seconds(chapter.Start)},
                                {"length_s", Seconds(chapter.Length)}});
        for (const TKxDVDCell& cell : details->Cells)
            cells.push_back({{"start_s", Seconds(cell.Start)},
                             {"length_s", Seconds(cell.Length)},
                             {"angle_block", TextOrNull(cell.AngleBlock)},
                             {"seamless", cell.Seamless}});
        for (const std::string& colour : details->Palette)
            palette.push_back(colour);
    }
    title["chapter_times"] = std::move(chapters);
    title["cells"] = std::move(cells);
    title["palette"] = std::move(palette);
    Json& video = title["video"];
    video["display_formats"] = read ? Json(details->Video.DisplayFormats) : Json::array();
    video["closed_captions"] = read ? Json(details->Video.ClosedCaptionFields) : Json::array();
    video["camera_mode"] = read ? TextOrNull(details->Video.CameraMode) : Json();
}

void PutDvdAudioDetails(Json& stream, const TKxDVDAudioDetails* details) {
    stream["stream_id"] = details ? Optional(details->StreamId) : Json();
    stream["available"] = details ? Json(details->Available) : Json();
    stream["content"] = details ? TextOrNull(details->Content) : Json();
    stream["quantization"] = details ? TextOrNull(details->Quantization) : Json();
    stream["dolby_surround"] = details ? Json(details->DolbySurround) : Json();
}

void PutDvdSubtitleDetails(Json& stream, const TKxDVDSubtitleDetails* details) {
    stream["available"] = details ? Json(details->Available) : Json();
    stream["kind"] = details ? TextOrNull(details->Kind) : Json();
    if (!details) {
        stream["stream_ids"] = Json();
        return;
    }
    const auto& ids = details->StreamIds;
    stream["stream_ids"] = {{"4:3", ids[dmFourByThree]},
                            {"wide", ids[dmWide]},
                            {"letterbox", ids[dmLetterbox]},
                            {"pan_scan", ids[dmPanScan]}};
}
