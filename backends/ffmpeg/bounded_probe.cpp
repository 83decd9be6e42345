#include "backends/ffmpeg/bounded_probe.h"

extern "C" {
#include <libavutil/log.h>
}

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/isolated_run.h"

namespace lumora::ffmpeg {
namespace {

char lastError[512];

// The child's log: its parent's router takes locks that a thread of the parent may have held at
// the fork.
void KeepLastError(void*, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR) return;
    std::vsnprintf(lastError, sizeof lastError, format, arguments);
    if (const size_t length = std::strlen(lastError); length > 0 && lastError[length - 1] == '\n')
        lastError[length - 1] = '\0';
}

std::vector<uint8_t> Serialised(const HardwareProbeAnswer& answer) {
    std::vector<uint8_t> bytes{static_cast<uint8_t>(answer.result)};
    for (const std::string* text : {&answer.deviceType, &answer.device, &answer.detail}) {
        bytes.insert(bytes.end(), text->begin(), text->end());
        bytes.push_back(0);
    }
    return bytes;
}

std::optional<HardwareProbeAnswer> Deserialised(const std::vector<uint8_t>& bytes) {
    if (bytes.empty() || bytes[0] > static_cast<uint8_t>(HardwareProbeResult::Crashed)) return std::nullopt;
    HardwareProbeAnswer answer;
    answer.result = static_cast<HardwareProbeResult>(bytes[0]);
    size_t at = 1;
    for (std::string* text : {&answer.deviceType, &answer.device, &answer.detail}) {
        const auto end = std::find(bytes.begin() + static_cast<ptrdiff_t>(at), bytes.end(), uint8_t{0});
        if (end == bytes.end()) return std::nullopt;
        text->assign(bytes.begin() + static_cast<ptrdiff_t>(at), end);
        at = static_cast<size_t>(end - bytes.begin()) + 1;
    }
    return answer;
}

}  // namespace

HardwareProbeAnswer RunBoundedProbe(const ProbeWork& work, std::chrono::milliseconds bound) {
    const auto start = std::chrono::steady_clock::now();
    const auto bytes = RunIsolated(
        [&work]() -> std::optional<std::vector<uint8_t>> {
            av_log_set_callback(&KeepLastError);
            return Serialised(work());
        },
        bound);
    if (bytes)
        if (auto answer = Deserialised(*bytes)) return *answer;
    HardwareProbeAnswer failed;
    failed.result = std::chrono::steady_clock::now() - start >= bound ? HardwareProbeResult::TimedOut
                                                                      : HardwareProbeResult::Crashed;
    return failed;
}

std::string LastLibraryError() { return lastError; }

}  // namespace lumora::ffmpeg
