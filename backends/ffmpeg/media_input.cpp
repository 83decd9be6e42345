#include "backends/ffmpeg/media_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <string_view>
#include <vector>

#include "backends/ffmpeg/readable_size.h"

namespace lumora::ffmpeg {
namespace {

constexpr int kBufferSize = 64 * 1024;
constexpr int64_t kProbeSize = 5'000'000;        // bytes
constexpr int64_t kAnalyzeDuration = 5'000'000;  // microseconds of media
constexpr int kMaxStreams = 256;

// Demuxers left out: those that open other files, sockets or name patterns, and those that
// take any text for media.
constexpr std::string_view kRefusedDemuxers[] = {
    "hls", "dash", "concat", "imf", "sdp", "rtsp",     "rtp",         "image2",
    "tty", "bin",  "xbin",   "adf", "idf", "avisynth", "vapoursynth",
};

bool Refused(std::string_view names) {
    // A demuxer's name may list several ("mov,mp4,m4a,3gp,3g2,mj2").
    size_t start = 0;
    while (start <= names.size()) {
        const size_t end = std::min(names.find(',', start), names.size());
        const std::string_view name = names.substr(start, end - start);
        for (std::string_view refused : kRefusedDemuxers)
            if (name == refused) return true;
        start = end + 1;
    }
    return false;
}

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

void QuietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

}  // namespace

std::unique_ptr<MediaInput> MediaInput::Open(const std::string& path) {
    QuietLibraries();
    std::unique_ptr<MediaInput> input(new MediaInput);
    input->deadline_ = std::chrono::steady_clock::now() + kDeadline;

    // Non-blocking so that a FIFO or device cannot stall the open itself; refused right after.
    input->fd_.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    const int fd = input->fd_.Get();
    if (fd < 0) return nullptr;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return nullptr;
    input->size_ = ReadableSize(fd, status.st_size);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return nullptr;

    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
    if (!buffer) return nullptr;
    input->io_ = avio_alloc_context(buffer, kBufferSize, 0, input.get(), &MediaInput::Read, nullptr,
                                    &MediaInput::Seek);
    if (!input->io_) {
        av_free(buffer);
        return nullptr;
    }

    AVFormatContext* format = avformat_alloc_context();
    if (!format) return nullptr;
    format->pb = input->io_;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->interrupt_callback = {&MediaInput::Interrupted, input.get()};
    format->io_open = &RefuseNestedOpen;

    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "none", 0);
    av_dict_set(&options, "format_whitelist", FormatWhitelist().c_str(), 0);
    av_dict_set_int(&options, "probesize", kProbeSize, 0);
    av_dict_set_int(&options, "analyzeduration", kAnalyzeDuration, 0);
    av_dict_set_int(&options, "max_streams", kMaxStreams, 0);
    // The format is probed first (the probed bytes stay in the I/O buffer) to give the WAVE reader a
    // bound of its own. The path only helps the probe by its extension: it is never opened.
    const AVInputFormat* detected = nullptr;
    if (av_probe_input_buffer2(input->io_, &detected, path.c_str(), nullptr, 0, kProbeSize) < 0)
        detected = nullptr;
    // For 16-bit PCM the WAVE reader has libavformat look for DTS or AC-3 hidden in the samples,
    // by decoding up to 2,500 packets (about 5 ms a file, most of the analysis). The page shows
    // the tag the file stores whatever hides in the samples, so a few packets do.
    if (detected && std::string_view(detected->name) == "wav")
        av_dict_set_int(&options, "max_probe_packets", kWaveProbePackets, 0);
    const int opened = avformat_open_input(&format, path.c_str(), detected, &options);
    av_dict_free(&options);
    if (opened < 0) return nullptr;  // avformat_open_input freed the context
    input->format_ = format;

    // Without full stream information the headers still tell what each stream is.
    std::vector<AVDictionary*> streamOptions(format->nb_streams, nullptr);
    for (AVDictionary*& streamOption : streamOptions)
        av_dict_set(&streamOption, "threads", "1", 0);
    avformat_find_stream_info(format, streamOptions.data());
    for (AVDictionary*& streamOption : streamOptions)
        av_dict_free(&streamOption);
    return input;
}

MediaInput::~MediaInput() {
    if (format_) avformat_close_input(&format_);  // custom I/O: leaves io_ to us
    if (io_) {
        av_freep(&io_->buffer);
        avio_context_free(&io_);
    }
    // fd_ closes after this, once libavformat is done with it.
}

int MediaInput::Read(void* opaque, uint8_t* buffer, int size) {
    auto* input = static_cast<MediaInput*>(opaque);
    if (input->PastDeadline()) return AVERROR_EXIT;
    // End of file where the file ended when it was opened, even while it grows.
    const int64_t left = input->size_ - input->position_;
    if (left <= 0) return AVERROR_EOF;
    for (;;) {
        const ssize_t got =
            ::pread(input->fd_.Get(), buffer, static_cast<size_t>(std::min<int64_t>(size, left)),
                    static_cast<off_t>(input->position_));
        if (got > 0) {
            input->position_ += got;
            return static_cast<int>(got);
        }
        if (got == 0) return AVERROR_EOF;
        if (errno != EINTR) return AVERROR(errno);
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

int MediaInput::Interrupted(void* opaque) { return static_cast<MediaInput*>(opaque)->PastDeadline() ? 1 : 0; }

}  // namespace lumora::ffmpeg
