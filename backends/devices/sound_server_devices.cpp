#include "backends/devices/sound_server_devices.h"

#include <dlfcn.h>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/utf8.h"

namespace lumora::devices {

namespace {

using Clock = std::chrono::steady_clock;

struct MainloopFree {
    void operator()(pa_mainloop* loop) const { pa_mainloop_free(loop); }
};
struct ContextClose {
    void operator()(pa_context* context) const {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
};
struct OperationUnref {
    void operator()(pa_operation* operation) const { pa_operation_unref(operation); }
};
using Operation = std::unique_ptr<pa_operation, OperationUnref>;

// libpulse reports on standard error what it dislikes, such as a broken line of client.conf.
// Its logging goes nowhere instead: the switch belongs to libpulse's internal library, so it is
// looked up at run time, and a libpulse without it still works, only not silently.
void SilenceLibpulse() {
    static std::once_flag once;
    std::call_once(once, [] {
        void* library = dlopen("libpulse.so.0", RTLD_LAZY | RTLD_NOLOAD);
        if (!library) return;
        using ParseTarget = void* (*)(const char*);
        using TargetFunction = void (*)(void*);
        const auto parse = reinterpret_cast<ParseTarget>(dlsym(library, "pa_log_parse_target"));
        const auto set = reinterpret_cast<TargetFunction>(dlsym(library, "pa_log_set_target"));
        const auto free = reinterpret_cast<TargetFunction>(dlsym(library, "pa_log_target_free"));
        if (parse && set && free) {
            if (void* nowhere = parse("null")) {
                set(nowhere);
                free(nowhere);
            }
        }
        dlclose(library);
    });
}

// The last server that let a whole bound pass: asked again only after this long.
constexpr std::chrono::seconds kSilentServerMemory{1};

class SilentServerMemory {
public:
    void Remember(const char* server) {
        if (!server) return;
        const std::lock_guard lock(mutex_);
        server_ = server;
        until_ = Clock::now() + kSilentServerMemory;
    }
    bool Holds(const char* server) const {
        if (!server) return false;
        const std::lock_guard lock(mutex_);
        return server_ == server && Clock::now() < until_;
    }

private:
    mutable std::mutex mutex_;
    std::string server_;
    Clock::time_point until_;
};

SilentServerMemory& SilentServers() {
    static SilentServerMemory memory;
    return memory;
}

struct NamedDevice {
    std::string name;
    std::string description;
};

// What the three requests answered; `pending` counts those still open.
struct Answers {
    int pending = 3;
    bool failed = false;
    std::string defaultSinkName;
    std::string defaultSourceName;
    std::vector<NamedDevice> sinks;
    std::vector<NamedDevice> sources;
};

NamedDevice Device(const char* name, const char* description) {
    const char* shown = description && *description ? description : name;
    return {name ? name : "", CleanDeviceText(shown ? shown : "")};
}

void OnServerInfo(pa_context*, const pa_server_info* info, void* data) {
    auto& answers = *static_cast<Answers*>(data);
    --answers.pending;
    if (!info) {
        answers.failed = true;
        return;
    }
    answers.defaultSinkName = info->default_sink_name ? info->default_sink_name : "";
    answers.defaultSourceName = info->default_source_name ? info->default_source_name : "";
}

void OnSinkInfo(pa_context*, const pa_sink_info* info, int last, void* data) {
    auto& answers = *static_cast<Answers*>(data);
    if (last) {
        --answers.pending;
        answers.failed |= last < 0;
    } else if (info) {
        answers.sinks.push_back(Device(info->name, info->description));
    }
}

void OnSourceInfo(pa_context*, const pa_source_info* info, int last, void* data) {
    auto& answers = *static_cast<Answers*>(data);
    if (last) {
        --answers.pending;
        answers.failed |= last < 0;
    } else if (info && info->monitor_of_sink == PA_INVALID_INDEX) {
        answers.sources.push_back(Device(info->name, info->description));
    }
}

std::string DescriptionNamed(const std::vector<NamedDevice>& devices, const std::string& name) {
    if (name.empty()) return {};
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&](const NamedDevice& device) { return device.name == name; });
    return found == devices.end() ? std::string() : found->description;
}

std::vector<std::string> Descriptions(const std::vector<NamedDevice>& devices) {
    std::vector<std::string> descriptions;
    for (const NamedDevice& device : devices)
        descriptions.push_back(device.description);
    return descriptions;
}

// One turn of the loop, waiting no later than the deadline; false once it has passed or the loop
// fails.
bool Iterate(pa_mainloop* loop, Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int timeout = static_cast<int>(std::min<long long>(left, INT_MAX));
    return pa_mainloop_prepare(loop, timeout) >= 0 && pa_mainloop_poll(loop) >= 0 &&
           pa_mainloop_dispatch(loop) >= 0;
}

}  // namespace

SoundServerDevices ReadSoundServerDevices(std::chrono::milliseconds bound) {
    const Clock::time_point deadline = Clock::now() + bound;
    SilenceLibpulse();
    // Outlives the context, whose pending requests point to it.
    Answers answers;
    const std::unique_ptr<pa_mainloop, MainloopFree> loop(pa_mainloop_new());
    if (!loop) return {};
    const std::unique_ptr<pa_context, ContextClose> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Lumora"));
    if (!context) return {};
    // The server from PULSE_SERVER, client.conf or the usual sockets; never one started for us.
    if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return {};

    // Only a server that let the bound run out is remembered; one that refused is asked next time.
    const auto timedOut = [&] {
        SilentServers().Remember(pa_context_get_server(context.get()));
        return SoundServerDevices{};
    };
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context.get());
        if (state == PA_CONTEXT_READY) break;
        if (!PA_CONTEXT_IS_GOOD(state)) return {};
        if (SilentServers().Holds(pa_context_get_server(context.get()))) return {};
        if (!Iterate(loop.get(), deadline)) return timedOut();
    }

    const Operation requests[] = {
        Operation(pa_context_get_server_info(context.get(), &OnServerInfo, &answers)),
        Operation(pa_context_get_sink_info_list(context.get(), &OnSinkInfo, &answers)),
        Operation(pa_context_get_source_info_list(context.get(), &OnSourceInfo, &answers)),
    };
    for (const Operation& request : requests)
        if (!request) return {};
    while (answers.pending > 0) {
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context.get()))) return {};
        if (!Iterate(loop.get(), deadline)) return timedOut();
    }
    if (answers.failed) return {};

    SoundServerDevices devices;
    devices.defaultSink = DescriptionNamed(answers.sinks, answers.defaultSinkName);
    devices.defaultSource = DescriptionNamed(answers.sources, answers.defaultSourceName);
    devices.sinks = Descriptions(answers.sinks);
    devices.sources = Descriptions(answers.sources);
    return devices;
}

}  // namespace lumora::devices
