#include "backends/ffmpeg/first_frames.h"

#include <algorithm>
#include <vector>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/first_frame_scan.h"
#include "backends/ffmpeg/h264_field_coding.h"
#include "backends/ffmpeg/inband_hdr.h"
#include "backends/ffmpeg/media_input.h"
#include "backends/ffmpeg/video_details.h"

namespace lumora::ffmpeg {
namespace {

constexpr int kMetadataPackets = 4;
constexpr size_t kTimedPackets = 32;
constexpr int kPacketLimit = 256;  // of all streams
constexpr int64_t kReadBeyondProbe = 1 << 20;
constexpr int kTransferPq = 16;
constexpr int kTransferHlg = 18;

// Codecs that code fields; for the others an unknown scan stays unknown.
bool CodesFields(AVCodecID codec) {
    switch (codec) {
        case AV_CODEC_ID_MPEG2VIDEO:
        case AV_CODEC_ID_H264:
        case AV_CODEC_ID_HEVC:
        case AV_CODEC_ID_MPEG4:
        case AV_CODEC_ID_VC1:
        case AV_CODEC_ID_DVVIDEO: return true;
        default: return false;
    }
}

bool H264MayHaveFields(const AVCodecParameters& codec) {
    if (codec.codec_id != AV_CODEC_ID_H264) return false;
    const Bytes extradata(codec.extradata, static_cast<size_t>(std::max(codec.extradata_size, 0)));
    return H264AllowsFields(extradata).value_or(true);
}

// Whether the frames may tell the scan: the headers leave it open, or H.264 headers say
// "progressive" for a stream whose sequence allows fields (MBAFF, PAFF).
bool ScanFromFrames(const AVCodecParameters& codec, const MediaVideoDetails& video) {
    return H264MayHaveFields(codec) || (!video.fieldOrder && CodesFields(codec.codec_id));
}

bool MayBeHdr(const MediaVideoDetails& video) {
    const int transfer = video.transferCharacteristics.value_or(0);
    return video.bitDepth.value_or(0) >= 10 || transfer == kTransferPq || transfer == kTransferHlg;
}

const AVStream* FirstVideoStream(const AVFormatContext& format) {
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        const AVStream* stream = format.streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return stream;
    }
    return nullptr;
}

}  // namespace

bool ReadFirstFrames(MediaInput& input, MediaDetails& details) {
    AVFormatContext& format = *input.Format();
    const AVStream* stream = FirstVideoStream(format);
    if (!stream || static_cast<size_t>(stream->index) >= details.streams.size()) return true;
    const AVCodecParameters& parameters = *stream->codecpar;
    MediaVideoDetails& video = details.streams[static_cast<size_t>(stream->index)].video;
    const bool wantTimes = !video.frameRateMode;
    std::optional<InBandHdr> metadata;
    if (MayBeHdr(video)) metadata.emplace(parameters, video);
    const bool wantMetadata = metadata && metadata->Carried();
    std::optional<FirstFrameScan> scan;
    if (ScanFromFrames(parameters, video)) scan.emplace(parameters, video);
    const bool wantFrames = wantMetadata || scan;
    if (!wantTimes && !wantFrames) return true;

    input.LimitReading(input.BytesRead() + (wantFrames ? kReadBeyondProbe : 0));
    std::vector<int64_t> times;
    const Packet packet(av_packet_alloc());
    if (!packet) return true;
    int videoPackets = 0;
    bool finished = true;
    for (int packets = 0; packets < kPacketLimit; ++packets) {
        const bool wantsMore = (wantMetadata && videoPackets < kMetadataPackets) ||
                               (scan && scan->Wanted()) || (wantTimes && times.size() < kTimedPackets);
        if (!wantsMore) break;
        if (input.PastDeadline()) {
            finished = false;
            break;
        }
        if (av_read_frame(&format, packet.get()) < 0) break;
        if (packet->stream_index == stream->index) {
            if (av_packet_get_side_data(packet.get(), AV_PKT_DATA_DYNAMIC_HDR10_PLUS, nullptr))
                video.hdr10Plus = true;
            if (wantMetadata && videoPackets < kMetadataPackets)
                metadata->Read(Bytes(packet->data, static_cast<size_t>(std::max(packet->size, 0))));
            const int64_t time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (wantTimes && time != AV_NOPTS_VALUE && times.size() < kTimedPackets) times.push_back(time);
            if (scan && scan->Wanted()) scan->Feed(*packet);
            ++videoPackets;
        }
        av_packet_unref(packet.get());
    }
    if (scan) scan->Drain();
    if (wantTimes) video.frameRateMode = FrameRateModeOf(std::move(times), parameters.video_delay);
    return finished && !input.PastDeadline();
}

}  // namespace lumora::ffmpeg
