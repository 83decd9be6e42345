#include "backends/ffmpeg/probe_cache.h"

namespace lumora::ffmpeg {

HardwareProbeAnswer ProbeCache::Answer(const std::string& key,
                                       const std::function<HardwareProbeAnswer()>& probe) {
    std::promise<HardwareProbeAnswer> promise;
    std::shared_future<HardwareProbeAnswer> answer;
    bool first = false;
    {
        const std::lock_guard lock(mutex_);
        auto found = answers_.find(key);
        if (found == answers_.end()) {
            found = answers_.emplace(key, promise.get_future().share()).first;
            first = true;
        }
        answer = found->second;
    }
    if (first) {
        try {
            promise.set_value(probe());
        } catch (...) {
            promise.set_value(HardwareProbeAnswer{});
        }
    }
    return answer.get();
}

}  // namespace lumora::ffmpeg
