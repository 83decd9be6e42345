#include "app/lumora_info/verify_json.h"

#include <cmath>

#include "mediainfo/file_details.h"
#include "mediainfo/verify_media_file.h"

namespace {

// To the microsecond, as the streams' time bases count.
Json Seconds(const std::optional<double>& seconds) {
    return seconds && std::isfinite(*seconds) ? Json(std::round(*seconds * 1e6) / 1e6) : Json();
}

Json Errors(const std::vector<MediaDecodeError>& first) {
    Json errors = Json::array();
    for (const MediaDecodeError& error : first)
        errors.push_back({{"time_s", Seconds(error.time)}, {"message", error.message}});
    return errors;
}

Json Stream(const MediaStreamVerification& stream) {
    return {{"index", stream.index},
            {"kind", StreamKindName(stream.kind)},
            {"codec", TextOrNull(stream.codec)},
            {"decoder", TextOrNull(stream.decoder)},
            {"packets", stream.packets},
            {"decoded_frames", stream.decodedFrames},
            {"errors", stream.errors},
            {"first_errors", Errors(stream.firstErrors)},
            {"timestamps_backwards", stream.timestampsBackwards}};
}

}  // namespace

Json VerificationJson(const MediaVerification& verification) {
    Json streams = Json::array();
    for (const MediaStreamVerification& stream : verification.streams)
        streams.push_back(Stream(stream));
    return {{"ok", VerificationClean(verification)},
            {"ended_early", verification.endedEarly},
            {"duration_s", Seconds(verification.statedDuration)},
            {"end_s", Seconds(verification.reachedEnd)},
            {"read_error", TextOrNull(verification.readError)},
            {"container_errors", verification.containerErrors},
            {"first_container_errors", Errors(verification.firstContainerErrors)},
            {"cancelled", verification.cancelled},
            {"size_bytes", verification.fileSize},
            {"bytes_read", verification.bytesRead},
            {"streams", std::move(streams)}};
}
