// Owners of libavformat's, libavcodec's and libavutil's handles, each released the one way it must
// be.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include <memory>
#include <vector>

namespace lumora::ffmpeg {

struct AvFree {
    void operator()(void* block) const { av_free(block); }
};

// A custom I/O context together with the buffer it reads into (which libavformat may replace).
struct IoContextRelease {
    void operator()(AVIOContext* io) const {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};

// A demuxer's context, opened or not; with custom I/O it leaves the I/O context alone.
struct FormatContextClose {
    void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};

struct CodecContextFree {
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};

struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

// A reference to a buffer (a hardware device or frames context).
struct BufferUnref {
    void operator()(AVBufferRef* buffer) const { av_buffer_unref(&buffer); }
};

using IoBuffer = std::unique_ptr<unsigned char, AvFree>;
using IoContext = std::unique_ptr<AVIOContext, IoContextRelease>;
using FormatContext = std::unique_ptr<AVFormatContext, FormatContextClose>;
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextFree>;
using Packet = std::unique_ptr<AVPacket, PacketFree>;
using Frame = std::unique_ptr<AVFrame, FrameFree>;
using BufferRef = std::unique_ptr<AVBufferRef, BufferUnref>;

// An option dictionary, handed to the library by its address.
class Dictionary {
public:
    Dictionary() = default;
    ~Dictionary() { av_dict_free(&entries_); }
    Dictionary(Dictionary&& other) noexcept : entries_(other.entries_) { other.entries_ = nullptr; }
    Dictionary& operator=(Dictionary&&) = delete;

    void Set(const char* key, const char* value) { av_dict_set(&entries_, key, value, 0); }
    void Set(const char* key, int64_t value) { av_dict_set_int(&entries_, key, value, 0); }
    AVDictionary** Address() { return &entries_; }

private:
    AVDictionary* entries_ = nullptr;
};

// One dictionary per stream, laid out as avformat_find_stream_info takes them.
class DictionaryArray {
public:
    explicit DictionaryArray(size_t count) : entries_(count, nullptr) {}
    ~DictionaryArray() {
        for (AVDictionary*& entry : entries_)
            av_dict_free(&entry);
    }
    DictionaryArray(const DictionaryArray&) = delete;
    DictionaryArray& operator=(const DictionaryArray&) = delete;

    void SetAll(const char* key, const char* value) {
        for (AVDictionary*& entry : entries_)
            av_dict_set(&entry, key, value, 0);
    }
    AVDictionary** Data() { return entries_.data(); }

private:
    std::vector<AVDictionary*> entries_;
};

}  // namespace lumora::ffmpeg
