#include "backends/ffmpeg/media_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "backends/ffmpeg/decoder_messages.h"
#include "backends/ffmpeg/readable_size.h"

namespace lumora::ffmpeg {
namespace {

constexpr int kBufferSize = 64 * 1024;
constexpr int64_t kProbeSize = 5'000'000;        // bytes
constexpr int64_t kAnalyzeDuration = 5'000'000;  // microseconds of media
constexpr int kMaxStreams = 1024;                // a file with more is refused

// Demuxers left out: those that open other files, sockets or name patterns (a file they
// recognise is a container that is not allowed), and those that take any text for media (a file
// they recognise is no media file).
constexpr std::string_view kForeignDemuxers[] = {
    "hls", "dash", "concat", "imf", "sdp", "rtsp", "rtp", "image2", "avisynth", "vapoursynth",
};
constexpr std::string_view kTextDemuxers[] = {"tty", "bin", "xbin", "adf", "idf"};

template <size_t N>
bool Lists(std::string_view names, const std::string_view (&refused)[N]) {
    // A demuxer's name may list several ("mov,mp4,m4a,3gp,3g2,mj2").
    size_t start = 0;
    while (start <= names.size()) {
        const size_t end = std::min(names.find(',', start), names.size());
        const std::string_view name = names.substr(start, end - start);
        for (std::string_view one : refused)
            if (name == one) return true;
        start = end + 1;
    }
    return false;
}

bool Refused(std::string_view names) { return Lists(names, kForeignDemuxers) || Lists(names, kTextDemuxers); }

const std::string& FormatWhitelist() {
    static const std::string whitelist = [] {
        std::string list;
        void* state = nullptr;
        while (const AVInputFormat* demuxer = av_demuxer_iterate(&state)) {
            if (Refused(demuxer->name)) continue;
            if (!list.empty()) list += ',';
            list += demuxer->name;
        }
        return list;
    }();
    return whitelist;
}

int RefuseNestedOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
    return AVERROR(EPERM);
}

constexpr int kWaveProbePackets = 4;

}  // namespace

std::unique_ptr<MediaInput> MediaInput::Open(const std::string& path, OpenFailure& failure,
                                             std::chrono::milliseconds deadline) {
    RouteLibraryLog();
    std::unique_ptr<MediaInput> input(new MediaInput);
    input->deadline_ = std::chrono::steady_clock::now() + deadline;
    failure = {};

    // Non-blocking so that a FIFO or device cannot stall the open itself; refused right after.
    input->fd_.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    const int fd = input->fd_.Get();
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        failure = {HResultFromErrno(errno), {}};
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        failure = {E_NOT_REGULAR_FILE, {}};
        return nullptr;
    }
    input->fileSize_ = status.st_size;
    input->size_ = ReadableSize(fd, status.st_size);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        failure = {HResultFromErrno(errno), {}};
        return nullptr;
    }

    IoBuffer buffer(static_cast<unsigned char*>(av_malloc(kBufferSize)));
    if (buffer)
        input->io_.reset(avio_alloc_context(buffer.get(), kBufferSize, 0, input.get(), &MediaInput::Read,
                                            nullptr, &MediaInput::Seek));
    if (!input->io_) {
        failure = {E_OUTOFMEMORY, {}};
        return nullptr;
    }
    (void)buffer.release();  // the I/O context owns it now

    FormatContext format(avformat_alloc_context());
    if (!format) {
        failure = {E_OUTOFMEMORY, {}};
        return nullptr;
    }
    format->pb = input->io_.get();
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->interrupt_callback = {&MediaInput::Interrupted, input.get()};
    format->io_open = &RefuseNestedOpen;

    Dictionary options;
    options.Set("protocol_whitelist", "none");
    options.Set("format_whitelist", FormatWhitelist().c_str());
    options.Set("probesize", kProbeSize);
    options.Set("analyzeduration", kAnalyzeDuration);
    options.Set("max_streams", int64_t{kMaxStreams});
    // The format is probed first (the probed bytes stay in the I/O buffer) to give the WAVE reader a
    // bound of its own. The path only helps the probe by its extension: it is never opened.
    const AVInputFormat* detected = nullptr;
    const int probed =
        av_probe_input_buffer2(input->io_.get(), &detected, path.c_str(), nullptr, 0, kProbeSize);
    if (probed < 0 || !detected) {
        failure = input->Failure(probed);
        return nullptr;
    }
    if (Refused(detected->name)) {
        failure = input->Failure(AVERROR(EPERM),
                                 Lists(detected->name, kForeignDemuxers) ? detected->name : nullptr);
        return nullptr;
    }
    // For 16-bit PCM the WAVE reader has libavformat look for DTS or AC-3 hidden in the samples,
    // by decoding up to 2,500 packets (about 5 ms a file, most of the analysis). The page shows
    // the tag the file stores whatever hides in the samples, so a few packets do.
    if (std::string_view(detected->name) == "wav")
        options.Set("max_probe_packets", int64_t{kWaveProbePackets});
    AVFormatContext* opening = format.release();  // freed by avformat_open_input when it fails
    const int opened = avformat_open_input(&opening, path.c_str(), detected, options.Address());
    if (opened < 0) {
        failure = input->Failure(opened);
        return nullptr;
    }
    input->format_.reset(opening);

    // Without full stream information the headers still tell what each stream is.
    DictionaryArray streamOptions(opening->nb_streams);
    streamOptions.SetAll("threads", "1");
    avformat_find_stream_info(opening, streamOptions.Data());
    input->cutShort_ = input->PastDeadline();
    return input;
}

OpenFailure MediaInput::Failure(int averror, const char* refusedFormat) const {
    return OpenFailureOf(averror, PastDeadline(), readError_, refusedFormat);
}

int MediaInput::Read(void* opaque, uint8_t* buffer, int size) {
    auto* input = static_cast<MediaInput*>(opaque);
    if (input->PastDeadline() || input->Cancelled()) return AVERROR_EXIT;
    // End of file where the file ended when it was opened, even while it grows.
    const int64_t left = std::min(input->size_ - input->position_, input->readLimit_ - input->bytesRead_);
    if (left <= 0) return AVERROR_EOF;
    for (;;) {
        const ssize_t got =
            ::pread(input->fd_.Get(), buffer, static_cast<size_t>(std::min<int64_t>(size, left)),
                    static_cast<off_t>(input->position_));
        if (got > 0) {
            input->position_ += got;
            input->bytesRead_ += got;
            return static_cast<int>(got);
        }
        if (got == 0) return AVERROR_EOF;
        if (errno != EINTR) {
            input->readError_ = errno;
            return AVERROR(errno);
        }
    }
}

int64_t MediaInput::Seek(void* opaque, int64_t offset, int whence) {
    auto* input = static_cast<MediaInput*>(opaque);
    if (whence & AVSEEK_SIZE) return input->size_;
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET: break;
        case SEEK_CUR: base = input->position_; break;
        case SEEK_END: base = input->size_; break;
        default: return AVERROR(EINVAL);
    }
    if (offset < -base || offset > INT64_MAX - base) return AVERROR(EINVAL);
    return input->position_ = base + offset;
}

int MediaInput::Interrupted(void* opaque) {
    const auto* input = static_cast<MediaInput*>(opaque);
    return input->PastDeadline() || input->Cancelled() ? 1 : 0;
}

}  // namespace lumora::ffmpeg
