#include "platform/hidden_window.h"

#include <atomic>
#include <mutex>

// A token handle: a small allocation, so that every live handle is distinct and a handle that is
// never destroyed shows up as a leak.
struct HWND__ {
    unsigned char unused;
};

namespace {

std::mutex hostMutex;
HiddenWindowHost installedHost{nullptr, nullptr};
std::atomic<size_t> liveWindows{0};

HiddenWindowHost CurrentHost() {
    std::lock_guard lock(hostMutex);
    return installedHost;
}

}  // namespace

HWND CreateHiddenOwnerWindow() {
    const HiddenWindowHost host = CurrentHost();
    HWND window = host.create ? host.create() : new HWND__{};
    if (window) ++liveWindows;
    return window;
}

void DestroyHiddenOwnerWindow(HWND window) {
    if (!window) return;
    const HiddenWindowHost host = CurrentHost();
    if (host.destroy)
        host.destroy(window);
    else
        delete window;
    --liveWindows;
}

size_t LiveHiddenOwnerWindows() { return liveWindows; }

void SetHiddenWindowHost(HiddenWindowHost host) {
    std::lock_guard lock(hostMutex);
    installedHost = host.create && host.destroy ? host : HiddenWindowHost{nullptr, nullptr};
}
