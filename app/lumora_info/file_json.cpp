#include "app/lumora_info/file_json.h"

#include <charconv>
#include <cmath>

#include "app/lumora_info/file_details_json.h"
#include "component/lumoram.h"

namespace {

// The component keeps some numbers as decimal texts; null when a text holds none.
Json Integer(const std::string& text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && !text.empty() ? Json(value) : Json();
}

Json Seconds(const std::string& milliseconds) {
    const Json value = Integer(milliseconds);
    return value.is_null() ? value : Json(value.get<int64_t>() / 1000.0);
}

Json Number(double value) {
    if (!std::isfinite(value)) return Json();
    if (value == std::trunc(value) && std::fabs(value) < 9e15) return static_cast<int64_t>(value);
    return value;
}

// A recognised ratio's terms; -1 marks none.
Json RatioTerm(int32_t term) { return term > 0 ? Json(term) : Json(); }

bool HasVideo(const TKxLumora& lumora) {
    const TKxVideoStreamInfo& video = lumora.Video();
    return !lumora.VideoMajorType().empty() || !video.Codec.empty() || !video.Duration.empty() ||
           !video.FormatName.empty() || video.Width != 0 || video.Height != 0;
}

Json Video(const TKxLumora& lumora) {
    if (!HasVideo(lumora)) return Json();
    const TKxVideoStreamInfo& video = lumora.Video();
    Json object = Json::object();
    object["codec"] = TextOrNull(video.Codec);
    object["fourcc"] = TextOrNull(video.FourCC);
    object["width"] = video.Width;
    object["height"] = video.Height;
    object["duration"] = TextOrNull(video.Duration);
    object["duration_s"] = Seconds(video.DurationMS);
    object["frame_rate"] = Number(video.FrameRate);
    object["bit_rate"] = Number(video.BitRate);
    object["frame_count"] = video.FrameCount;
    object["aspect_ratio"] = TextOrNull(video.AspectRatio);
    object["aspect_ratio_value"] = video.Aspect > 0 ? Number(video.Aspect) : Json();
    object["aspect_ratio_x"] = RatioTerm(video.AspectX);
    object["aspect_ratio_y"] = RatioTerm(video.AspectY);
    object["format"] = TextOrNull(video.FormatName);
    return object;
}

Json Audio(const TKxLumora& lumora) {
    Json streams = Json::array();
    for (int32_t n = 0; n < lumora.AudioStreamCount(); ++n) {
        const TKxAudioStreamInfo& audio = lumora.GetAudioStream(n);
        Json object = Json::object();
        object["codec"] = TextOrNull(audio.Codec);
        object["channels"] = Integer(audio.Channels);
        object["sample_rate"] = Integer(audio.SampleRate);
        object["bits_per_sample"] = Integer(audio.BitsPerSample);
        object["bit_rate"] = Integer(audio.BitRate);
        object["duration"] = TextOrNull(audio.Duration);
        object["duration_s"] = Seconds(audio.DurationMS);
        streams.push_back(std::move(object));
    }
    return streams;
}

Json Types(const std::string& major, const std::string& sub) {
    return Json{{"major", TextOrNull(major)}, {"sub", TextOrNull(sub)}};
}

}  // namespace

void PutFileFacts(Json& object, const TKxLumora& lumora, bool failed) {
    const std::string& marker = lumora.VideoMajorType();
    object["container"] = TextOrNull(lumora.FileFormat());
    object["types"] = {
        {"video", Types(failed ? std::string() : marker, lumora.VideoSubType())},
        {"audio", Types(lumora.AudioMajorType(), lumora.AudioSubType())},
        {"other", Types(lumora.OtherMajorType(), lumora.OtherSubType())},
    };
    object["video"] = failed ? Json() : Video(lumora);
    object["audio"] = Audio(lumora);
    object["details"] = lumora.Details() ? FileDetailsJson(*lumora.Details()) : Json();
}
