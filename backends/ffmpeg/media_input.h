// A media file opened for libavformat so that nothing but that one regular file is ever read,
// and no open or probe runs past its deadline.
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <chrono>
#include <memory>
#include <string>

#include "platform/unique_fd.h"

namespace lumora::ffmpeg {

class MediaInput {
public:
    static constexpr std::chrono::seconds kDeadline{3};

    // Null when the path is no regular file, cannot be read, or no allowed demuxer takes it.
    static std::unique_ptr<MediaInput> Open(const std::string& path);
    ~MediaInput();
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    AVFormatContext* Format() const { return format_; }

private:
    MediaInput() = default;
    static int Read(void* opaque, uint8_t* buffer, int size);
    static int64_t Seek(void* opaque, int64_t offset, int whence);
    static int Interrupted(void* opaque);
    bool PastDeadline() const { return std::chrono::steady_clock::now() > deadline_; }

    UniqueFd fd_;
    int64_t size_ = 0;  // what libavformat is shown: never more than the file had when opened
    int64_t position_ = 0;
    std::chrono::steady_clock::time_point deadline_;
    AVIOContext* io_ = nullptr;
    AVFormatContext* format_ = nullptr;
};

}  // namespace lumora::ffmpeg
