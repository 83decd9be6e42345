#include "backends/ffmpeg/first_frames.h"

#include <algorithm>
#include <vector>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/decode_trials.h"
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
    const bool haveVideo = stream && static_cast<size_t>(stream->index) < details.streams.size();
    std::optional<InBandHdr> metadata;
    std::optional<FirstFrameScan> scan;
    bool wantTimes = false;
    MediaStreamDetails* video = haveVideo ? &details.streams[static_cast<size_t>(stream->index)] : nullptr;
    if (video) {
        const AVCodecParameters& parameters = *stream->codecpar;
        wantTimes = !video->video.frameRateMode;
        if (MayBeHdr(video->video)) metadata.emplace(parameters, video->video);
        if (ScanFromFrames(parameters, video->video)) scan.emplace(parameters, video->video);
    }
    const bool wantMetadata = metadata && metadata->Carried();
    const bool scanning = scan && scan->Decoder().Opened();
    DecodeTrials trials(format, details, scanning ? stream->index : -1);
    const bool wantFrames = wantMetadata || scan;
    if (!wantTimes && !wantFrames && !trials.Wanted()) return true;

    // Timestamps come only from what the probe read; frames and trials may read a little more.
    const int64_t probed = input.BytesRead();
    input.LimitReading(probed + (wantFrames || trials.Wanted() ? kReadBeyondProbe : 0));
    std::vector<int64_t> times;
    const Packet packet(av_packet_alloc());
    if (!packet) return true;
    int videoPackets = 0;
    bool finished = true;
    for (int packets = 0; packets < kPacketLimit; ++packets) {
        const bool wantsMore =
            (wantMetadata && videoPackets < kMetadataPackets) || (scan && scan->Wanted()) ||
            (wantTimes && times.size() < kTimedPackets && input.BytesRead() == probed) || trials.Wanted();
        if (!wantsMore) break;
        if (input.PastDeadline()) {
            finished = false;
            break;
        }
        if (input.ReadPacket(*packet) < 0) break;
        trials.Feed(*packet);
        if (video && packet->stream_index == stream->index) {
            if (av_packet_get_side_data(packet.get(), AV_PKT_DATA_DYNAMIC_HDR10_PLUS, nullptr))
                video->video.hdr10Plus = true;
            if (wantMetadata && videoPackets < kMetadataPackets)
                metadata->Read(Bytes(packet->data, static_cast<size_t>(std::max(packet->size, 0))));
            const int64_t time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (wantTimes && time != AV_NOPTS_VALUE && times.size() < kTimedPackets &&
                input.BytesRead() == probed)
                times.push_back(time);
            if (scan && scan->Wanted()) scan->Feed(*packet);
            ++videoPackets;
        }
        av_packet_unref(packet.get());
    }
    if (scan) scan->Drain();
    if (scanning && scan->Fed()) NoteTrial(scan->Decoder(), video->decoding);
    if (wantTimes)
        video->video.frameRateMode = FrameRateModeOf(std::move(times), stream->codecpar->video_delay);
    return finished && !input.PastDeadline();
}

}  // namespace lumora::ffmpeg
