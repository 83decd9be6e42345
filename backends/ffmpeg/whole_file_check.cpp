#include "backends/ffmpeg/whole_file_check.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "backends/ffmpeg/decoder_messages.h"
#include "backends/ffmpeg/glance_decoder.h"
#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/stream_check.h"
#include "backends/ffmpeg/stream_details.h"

namespace lumora::ffmpeg {
namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(50);
// How far short of the stated duration the packets may end: a last audio frame, a frame's length.
constexpr double kEndTolerance = 0.5;         // seconds
constexpr double kEndToleranceShare = 0.005;  // of the duration

bool Decoded(AVMediaType type) {
    return type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_SUBTITLE;
}

MediaStreamKind KindOf(AVMediaType type) {
    return type == AVMEDIA_TYPE_VIDEO   ? MediaStreamKind::Video
           : type == AVMEDIA_TYPE_AUDIO ? MediaStreamKind::Audio
                                        : MediaStreamKind::Subtitle;
}

// Where the packet ends, in seconds from the file's start.
std::optional<double> PacketEnd(const AVStream& stream, const AVPacket& packet, double fileStart) {
    const int64_t time = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (time == AV_NOPTS_VALUE) return std::nullopt;
    const auto seconds = StreamSeconds(stream, time + std::max<int64_t>(packet.duration, 0));
    return seconds ? std::optional<double>(*seconds - fileStart) : std::nullopt;
}

// A duration libavformat took from the timestamps or the headers; not one it estimated.
std::optional<double> StatedDuration(const AVFormatContext& format) {
    if (format.duration <= 0 || format.duration == AV_NOPTS_VALUE ||
        format.duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
        return std::nullopt;
    return static_cast<double>(format.duration) / AV_TIME_BASE;
}

}  // namespace

MediaVerification CheckWholeFile(MediaInput& input, IVerifyProgress* progress) {
    AVFormatContext& format = *input.Format();
    MediaVerification result;
    result.fileSize = input.FileSize();
    result.statedDuration = StatedDuration(format);
    const double fileStart =
        format.start_time != AV_NOPTS_VALUE ? static_cast<double>(format.start_time) / AV_TIME_BASE : 0;

    // The results are all in place before any check points at one.
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        AVStream& stream = *format.streams[i];
        if (!Decoded(stream.codecpar->codec_type)) {
            stream.discard = AVDISCARD_ALL;
            continue;
        }
        MediaStreamVerification& checked = result.streams.emplace_back();
        checked.index = static_cast<int>(i);
        checked.kind = KindOf(stream.codecpar->codec_type);
        if (const AVCodecDescriptor* descriptor = avcodec_descriptor_get(stream.codecpar->codec_id))
            checked.codec = descriptor->name;
    }
    std::vector<std::unique_ptr<StreamCheck>> checks(format.nb_streams);
    for (MediaStreamVerification& stream : result.streams)
        checks[static_cast<size_t>(stream.index)] =
            std::make_unique<StreamCheck>(*format.streams[stream.index], stream);

    const Packet packet(av_packet_alloc());
    if (!packet) return result;
    DecoderMessages demuxer(format);
    const auto takeDemuxerMessages = [&] {
        for (DecoderMessage& line : demuxer.Take()) {
            if (result.firstContainerErrors.size() < kKeptDecodeErrors)
                result.firstContainerErrors.push_back({result.reachedEnd, std::move(line.text)});
            ++result.containerErrors;
        }
    };
    auto reported = std::chrono::steady_clock::now();
    for (;;) {
        if (input.Cancelled()) break;
        const int read = input.ReadPacket(*packet, takeDemuxerMessages);
        if (read < 0) {
            if (read != AVERROR_EOF && !input.Cancelled())
                result.readError = ErrorText(input.ReadError() ? AVERROR(input.ReadError()) : read);
            break;
        }
        const auto index = static_cast<size_t>(packet->stream_index);
        if (index < checks.size() && checks[index]) {
            if (const auto end = PacketEnd(*format.streams[index], *packet, fileStart))
                result.reachedEnd = std::max(result.reachedEnd.value_or(*end), *end);
            checks[index]->Feed(*packet);
        }
        av_packet_unref(packet.get());
        if (const auto now = std::chrono::steady_clock::now();
            progress && now - reported >= kProgressInterval) {
            reported = now;
            progress->Progress(std::min(input.BytesRead(), result.fileSize), result.fileSize);
        }
    }
    result.cancelled = input.Cancelled();
    if (!result.cancelled)
        for (const auto& check : checks)
            if (check) check->Finish();
    checks.clear();
    result.bytesRead = std::min(input.BytesRead(), result.fileSize);
    if (progress) progress->Progress(result.bytesRead, result.fileSize);
    if (result.statedDuration && !result.cancelled) {
        const double tolerance = std::max(kEndTolerance, *result.statedDuration * kEndToleranceShare);
        result.endedEarly = result.reachedEnd.value_or(0) < *result.statedDuration - tolerance;
    }
    return result;
}

}  // namespace lumora::ffmpeg
