#include "backends/ffmpeg/decoder_messages.h"

extern "C" {
#include <libavcodec/avcodec.h>
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

// The codec context a log call names: the context itself, or the one a private context points to.
const AVCodecContext* CodecContextOf(void* context) {
    for (int depth = 0; context && depth < 2; ++depth) {
        const AVClass* logClass = *static_cast<const AVClass* const*>(context);
        if (!logClass) return nullptr;
        if (logClass == avcodec_get_class()) return static_cast<const AVCodecContext*>(context);
        if (logClass->parent_log_context_offset <= 0) return nullptr;
        context =
            *reinterpret_cast<void**>(static_cast<char*>(context) + logClass->parent_log_context_offset);
    }
    return nullptr;
}

void Route(void* context, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR || !context) return;
    const AVCodecContext* codec = CodecContextOf(context);
    if (!codec || !codec->opaque) return;
    const std::lock_guard lock(RouterLock());
    if (!Listeners().contains(codec->opaque)) return;
    char text[1024];
    std::vsnprintf(text, sizeof text, format, arguments);
    static_cast<DecoderMessages*>(codec->opaque)->Append(text, PacketTag(*codec));
}

}  // namespace

DecoderMessages::DecoderMessages(AVCodecContext& context) {
    context.opaque = this;
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
