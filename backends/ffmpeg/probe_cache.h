// Answers of hardware probes kept for the life of the process, so that each is asked once.
#pragma once

#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <string>

#include "platform/hardware_probe.h"

namespace lumora::ffmpeg {

class ProbeCache {
public:
    // The answer kept for the key; the first time, the probe's (asked on this thread while others
    // asking for the same key wait for it).
    HardwareProbeAnswer Answer(const std::string& key, const std::function<HardwareProbeAnswer()>& probe);

private:
    std::mutex mutex_;
    std::map<std::string, std::shared_future<HardwareProbeAnswer>> answers_;
};

}  // namespace lumora::ffmpeg
