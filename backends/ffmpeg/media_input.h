// A media file opened for libavformat so that nothing but that one regular file is ever read,
// and no open or probe runs past its deadline.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "backends/ffmpeg/av_handles.h"
#include "backends/ffmpeg/open_result.h"
#include "platform/unique_fd.h"

namespace lumora::ffmpeg {

class MediaInput {
public:
    static constexpr std::chrono::milliseconds kDeadline{3000};

    // Null, with the reason in failure, when the path is no regular file, cannot be read, or no
    // allowed demuxer takes it within the deadline.
    static std::unique_ptr<MediaInput> Open(const std::string& path, OpenFailure& failure,
                                            std::chrono::milliseconds deadline = kDeadline);
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    AVFormatContext* Format() const { return format_.get(); }
    // Whether the deadline ended the probing of the streams before it was done.
    bool CutShort() const { return cutShort_; }
    bool PastDeadline() const { return std::chrono::steady_clock::now() > deadline_; }
    // The size fstat gave at open.
    int64_t FileSize() const { return fileSize_; }
    // Bytes handed to libavformat so far.
    int64_t BytesRead() const { return bytesRead_; }
    // Reads end (as at the end of the file) once this many bytes have been handed over.
    void LimitReading(int64_t totalBytes) { readLimit_ = totalBytes; }
    // For a reading of the whole file once it is open: no deadline, but reads and blocking calls
    // end once *cancel becomes true (cancel may be null).
    void ReadWhole(const std::atomic<bool>* cancel) {
        deadline_ = std::chrono::steady_clock::time_point::max();
        cancel_ = cancel;
    }
    bool Cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }
    // errno of the last read that failed; 0 when none did.
    int ReadError() const { return readError_; }
    // av_read_frame, asked again while the demuxer answers "try again" (the transport stream's,
    // after it lost its sync) and each answer has consumed some of the file, as ffmpeg does.
    // onEach runs after every call, for what the demuxer logged.
    template <typename OnEach>
    int ReadPacket(AVPacket& packet, OnEach onEach);
    int ReadPacket(AVPacket& packet) {
        return ReadPacket(packet, [] {});
    }

private:
    MediaInput() = default;
    static int Read(void* opaque, uint8_t* buffer, int size);
    static int64_t Seek(void* opaque, int64_t offset, int whence);
    static int Interrupted(void* opaque);
    OpenFailure Failure(int averror, const char* refusedFormat = nullptr) const;

    // Released in reverse: the demuxer, then its I/O context, then the file.
    UniqueFd fd_;
    IoContext io_;
    FormatContext format_;
    int64_t fileSize_ = 0;
    int64_t size_ = 0;  // what libavformat is shown: never more than the file had when opened
    int64_t position_ = 0;
    int64_t bytesRead_ = 0;
    int64_t readLimit_ = INT64_MAX;
    int readError_ = 0;  // errno of the last failed read
    bool cutShort_ = false;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* cancel_ = nullptr;
};

template <typename OnEach>
int MediaInput::ReadPacket(AVPacket& packet, OnEach onEach) {
    constexpr int kStalledRetries = 100;
    int64_t retriedAt = -1;
    for (int stalled = 0;;) {
        const int read = av_read_frame(format_.get(), &packet);
        onEach();
        if (read != AVERROR(EAGAIN)) return read;
        stalled = bytesRead_ == retriedAt ? stalled + 1 : 0;
        retriedAt = bytesRead_;
        if (stalled == kStalledRetries) return read;
    }
}

}  // namespace lumora::ffmpeg
