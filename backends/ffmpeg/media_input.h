// A media file opened for libavformat so that nothing but that one regular file is ever read,
// and no open or probe runs past its deadline.
#pragma once

#include <chrono>
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

private:
    MediaInput() = default;
    static int Read(void* opaque, uint8_t* buffer, int size);
    static int64_t Seek(void* opaque, int64_t offset, int whence);
    static int Interrupted(void* opaque);
    bool PastDeadline() const { return std::chrono::steady_clock::now() > deadline_; }
    OpenFailure Failure(int averror, const char* refusedFormat = nullptr) const;

    // Released in reverse: the demuxer, then its I/O context, then the file.
    UniqueFd fd_;
    IoContext io_;
    FormatContext format_;
    int64_t size_ = 0;  // what libavformat is shown: never more than the file had when opened
    int64_t position_ = 0;
    int readError_ = 0;  // errno of the last failed read
    bool cutShort_ = false;
    std::chrono::steady_clock::time_point deadline_;
};

}  // namespace lumora::ffmpeg
