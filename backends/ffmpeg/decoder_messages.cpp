#include "backends/ffmpeg/decoder_messages.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <cstdarg>
#include <cstdio>
#include <unordered_set>

namespace lumora::ffmpeg {
namespace {

std::mutex& RouterLock() {
    static std::mutex lock;
    return lock;
}

std::unordered_set<const void*>& Listeners() {
    static std::unordered_set<const void*> listeners;
    return listeners;
}

struct Named {
    void* opaque = nullptr;
    int64_t packet = AV_NOPTS_VALUE;
};

// The codec or format context a log call names: the context itself, or the one a private
// context points to.
Named NamedContext(void* context) {
    for (int depth = 0; context && depth < 2; ++depth) {
        const AVClass* logClass = *static_cast<const AVClass* const*>(context);
        if (!logClass) return {};
        if (logClass == avcodec_get_class()) {
            const auto* codec = static_cast<const AVCodecContext*>(context);
            return {codec->opaque, PacketTag(*codec)};
        }
        if (logClass == avformat_get_class()) return {static_cast<AVFormatContext*>(context)->opaque};
        if (logClass->parent_log_context_offset <= 0) return {};
        context =
            *reinterpret_cast<void**>(static_cast<char*>(context) + logClass->parent_log_context_offset);
    }
    return {};
}

void Route(void* context, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR || !context) return;
    const Named named = NamedContext(context);
    if (!named.opaque) return;
    const std::lock_guard lock(RouterLock());
    if (!Listeners().contains(named.opaque)) return;
    char text[1024];
    std::vsnprintf(text, sizeof text, format, arguments);
    static_cast<DecoderMessages*>(named.opaque)->Append(text, named.packet);
}

}  // namespace

DecoderMessages::DecoderMessages(AVCodecContext& context) { Listen(context.opaque); }

DecoderMessages::DecoderMessages(AVFormatContext& context) { Listen(context.opaque); }

void DecoderMessages::Listen(void*& opaque) {
    opaque = this;
    const std::lock_guard lock(RouterLock());
    Listeners().insert(this);
}

DecoderMessages::~DecoderMessages() {
    const std::lock_guard lock(RouterLock());
    Listeners().erase(this);
}

void TagPacket(AVCodecContext& context, int64_t tag) {
#if LIBAVCODEC_VERSION_MAJOR < 60
    context.reordered_opaque = tag;
#else
    (void)context;
    (void)tag;
#endif
}

int64_t PacketTag(const AVCodecContext& context) {
#if LIBAVCODEC_VERSION_MAJOR < 60
    return context.reordered_opaque;
#else
    (void)context;
    return AV_NOPTS_VALUE;
#endif
}

std::vector<DecoderMessage> DecoderMessages::Take() {
    std::vector<DecoderMessage> taken;
    const std::lock_guard lock(mutex_);
    taken.swap(lines_);
    return taken;
}

void DecoderMessages::Append(const char* text, int64_t packet) {
    const std::lock_guard lock(mutex_);
    partial_ += text;
    for (size_t end; (end = partial_.find('\n')) != std::string::npos;) {
        lines_.push_back({partial_.substr(0, end), packet});
        partial_.erase(0, end + 1);
    }
}

void RouteLibraryLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        av_log_set_level(AV_LOG_QUIET);
        av_log_set_callback(&Route);
    });
}

}  // namespace lumora::ffmpeg
