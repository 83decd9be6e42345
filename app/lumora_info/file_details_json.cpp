#include "app/lumora_info/file_details_json.h"

#include <cmath>

#include "app/lumora_info/hardware_answer_json.h"

namespace {

Json Ratio(const std::optional<MediaRatio>& ratio) {
    return ratio ? Json(std::to_string(ratio->num) + ":" + std::to_string(ratio->den)) : Json();
}

// Whole numbers without a fraction, as everywhere in the JSON.
Json Number(double value) {
    if (!std::isfinite(value)) return Json();
    if (value == std::trunc(value) && std::fabs(value) < 9e15) return static_cast<int64_t>(value);
    return value;
}

template <class Value>
Json Optional(const std::optional<Value>& value) {
    if (!value) return Json();
    if constexpr (std::is_floating_point_v<Value>) return Number(*value);
    return Json(*value);
}

Json Rate(const std::optional<MediaRatio>& rate) {
    return rate ? Number(static_cast<double>(rate->num) / static_cast<double>(rate->den)) : Json();
}

Json Tags(const std::vector<MediaTag>& tags) {
    Json object = Json::object();
    for (const MediaTag& tag : tags)
        object[tag.key] = tag.value;
    return object;
}

Json FieldOrder(const std::optional<MediaFieldOrder>& order) {
    if (!order) return Json();
    switch (*order) {
        case MediaFieldOrder::Progressive: return "progressive";
        case MediaFieldOrder::TopFirst: return "tt";
        case MediaFieldOrder::BottomFirst: return "bb";
        case MediaFieldOrder::TopCodedBottomShown: return "tb";
        case MediaFieldOrder::BottomCodedTopShown: return "bt";
    }
    return Json();
}

Json Hdr(const DetailsVideo& video) {
    Json hdr = Json::object();
    hdr["format"] = TextOrNull(video.hdrFormat);
    const bool mastering =
        !video.masteringPrimaries.empty() || video.masteringMinLuminance || video.masteringMaxLuminance;
    hdr["mastering_display"] = !mastering ? Json()
                                          : Json{{"primaries", TextOrNull(video.masteringPrimaries)},
                                                 {"min_luminance", Optional(video.masteringMinLuminance)},
                                                 {"max_luminance", Optional(video.masteringMaxLuminance)}};
    hdr["max_cll"] = Optional(video.maxCll);
    hdr["max_fall"] = Optional(video.maxFall);
    const auto& vision = video.dolbyVision;
    hdr["dolby_vision"] =
        !vision ? Json() : Json{{"profile", vision->profile}, {"level", vision->level},
                                {"rpu", vision->rpu},         {"el", vision->el},
                                {"bl", vision->bl},           {"compatibility", vision->compatibilityId}};
    return hdr;
}

void PutVideo(Json& object, const DetailsVideo& video) {
    object["width"] = video.width;
    object["height"] = video.height;
    object["sar"] = Ratio(video.sampleAspect);
    object["dar"] = Ratio(video.displayAspect);
    object["frame_rate"] = Rate(video.frameRate);
    object["real_frame_rate"] = Rate(video.realFrameRate);
    object["frame_rate_mode"] = !video.frameRateMode                                   ? Json()
                                : *video.frameRateMode == MediaFrameRateMode::Constant ? Json("constant")
                                                                                       : Json("variable");
    object["pix_fmt"] = TextOrNull(video.pixelFormat);
    object["bit_depth"] = Optional(video.bitDepth);
    object["chroma_subsampling"] = TextOrNull(video.chromaSubsampling);
    object["color_range"] = TextOrNull(video.colourRange);
    object["color_primaries"] = TextOrNull(video.colourPrimaries);
    object["color_transfer"] = TextOrNull(video.transferCharacteristics);
    object["color_matrix"] = TextOrNull(video.matrixCoefficients);
    object["chroma_location"] = TextOrNull(video.chromaLocation);
    object["field_order"] = FieldOrder(video.fieldOrder);
    object["rotation"] = Optional(video.rotation);
    object["stereo_3d"] = TextOrNull(video.stereo3d);
    object["hdr"] = Hdr(video);
}

void PutAudio(Json& object, const DetailsAudio& audio) {
    object["channels"] = audio.channels;
    object["channel_layout"] = TextOrNull(audio.channelLayout);
    object["channel_names"] = TextOrNull(audio.channelNames);
    object["sample_rate"] = audio.sampleRate;
    object["bits_per_sample"] = Optional(audio.bitsPerSample);
    object["sample_fmt"] = TextOrNull(audio.sampleFormat);
    object["lossless"] = Optional(audio.lossless);
}

void PutDecoding(Json& object, const DetailsDecoding& decoding) {
    object["decoder"] = TextOrNull(decoding.decoder);
    object["other_decoders"] = decoding.otherDecoders;
    object["decodes"] = Optional(decoding.decodes);
    object["decode_error"] = TextOrNull(decoding.decodeError);
    Json paths = Json::array();
    for (const DetailsHardwarePath& path : decoding.hardware) {
        const auto& answer = path.answer;
        paths.push_back({{"type", path.typeName},
                         {"device", answer ? TextOrNull(answer->device) : Json()},
                         {"usable", answer ? Json(answer->result == HardwareProbeResult::Usable) : Json()},
                         {"reason", answer ? HardwareReason(*answer) : Json("not probed")}});
    }
    object["hw_decode"] = std::move(paths);
}

Json Stream(const DetailsStream& stream) {
    Json object = Json::object();
    object["index"] = stream.index;
    object["kind"] = StreamKindName(stream.kind);
    object["codec"] = TextOrNull(stream.codec);
    object["codec_long"] = TextOrNull(stream.codecLong);
    object["codec_tag"] = TextOrNull(stream.codecTag);
    object["profile"] = TextOrNull(stream.profile);
    object["level"] = TextOrNull(stream.level);
    object["language"] = TextOrNull(stream.language);
    object["language_name"] = TextOrNull(stream.languageName);
    object["title"] = TextOrNull(stream.title);
    Json flags = Json::array();
    for (const DispositionName& flag : kDispositionNames)
        if (stream.dispositions & flag.bit) flags.push_back(flag.name);
    object["disposition"] = std::move(flags);
    object["duration_s"] = Optional(stream.duration);
    object["start_s"] = Optional(stream.start);
    object["delay_s"] = Optional(stream.delay);
    object["bit_rate"] = Optional(stream.bitRate);
    object["tags"] = Tags(stream.tags);
    switch (stream.kind) {
        case MediaStreamKind::Video: PutVideo(object, stream.video); break;
        case MediaStreamKind::Audio: PutAudio(object, stream.audio); break;
        case MediaStreamKind::Subtitle: object["format"] = TextOrNull(stream.format); break;
        case MediaStreamKind::Attachment:
            object["file_name"] = TextOrNull(stream.attachment.fileName);
            object["mime_type"] = TextOrNull(stream.attachment.mimeType);
            object["size_bytes"] = Optional(stream.attachment.size);
            break;
        case MediaStreamKind::Data: break;
    }
    if (DecodedKind(stream.kind)) PutDecoding(object, stream.decoding);
    return object;
}

}  // namespace

Json FileDetailsJson(const FileDetails& details) {
    Json format = Json::object();
    format["name"] = TextOrNull(details.formatName);
    format["long_name"] = TextOrNull(details.formatLongName);
    format["brand"] = TextOrNull(details.brand);
    format["size_bytes"] = Optional(details.size);
    format["duration_s"] = Optional(details.duration);
    format["duration_estimated"] = details.durationEstimated;
    format["bit_rate"] = Optional(details.bitRate);
    format["start_s"] = Optional(details.start);
    format["tags"] = Tags(details.tags);
    Json streams = Json::array();
    for (const DetailsStream& stream : details.streams)
        streams.push_back(Stream(stream));
    Json chapters = Json::array();
    for (const DetailsChapter& chapter : details.chapters)
        chapters.push_back({{"start_s", Optional(chapter.start)},
                            {"end_s", Optional(chapter.end)},
                            {"title", TextOrNull(chapter.title)}});
    return Json{{"format", std::move(format)},
                {"streams", std::move(streams)},
                {"chapters", std::move(chapters)},
                {"cut_short", details.cutShort}};
}
