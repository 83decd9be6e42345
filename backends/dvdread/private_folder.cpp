#include "backends/dvdread/private_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <system_error>

namespace lumora::dvdread {

namespace fs = std::filesystem;

namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The folders that exist, for the signal handler: only what a handler may touch (atomics and
// fixed buffers). A slot is claimed, then its path written, then published. Zeros from the start
// (constinit): loading the module writes none of their 32 KB.
struct Slot {
    enum State : int { kFree, kClaimed, kPublished };
    std::atomic<int> state{kFree};
    char path[PATH_MAX]{};
};
constinit std::array<Slot, 8> slots;

// Empties the folder (it holds files and links only) and removes it, with async-signal-safe calls.
// A reading's child may still be adding links to it: it is emptied again until it can be removed.
void RemoveFolderInHandler(const char* path) {
    for (int pass = 0; pass < 1000 && ::rmdir(path) != 0 && errno == ENOTEMPTY; ++pass) {
        const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0) return;
        alignas(8) char entries[4096];
        for (long got; (got = ::syscall(SYS_getdents64, folder, entries, sizeof entries)) > 0;) {
            for (long at = 0; at < got;) {
                const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
                if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                    ::unlinkat(folder, entry->d_name, 0);
                at += entry->d_reclen;
            }
        }
        ::close(folder);
    }
}

void RemoveFoldersAndEnd(int signal) {
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == Slot::kPublished) RemoveFolderInHandler(slot.path);
    // The default action is put back here, not by SA_RESETHAND, which would let a second signal
    // sent just after the first end the process before this handler ran. The raised signal waits
    // while this runs (every signal is held) and ends the process on return.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void InstallHandlers() {
    for (const int signal : kEndingSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) ||
            current.sa_handler != SIG_DFL)
            continue;  // ignored, or handled by the program: its choice stands
        struct sigaction removing {};
        removing.sa_handler = &RemoveFoldersAndEnd;
        sigfillset(&removing.sa_mask);
        ::sigaction(signal, &removing, nullptr);
    }
}

// The ending signals held back on this thread while a folder is made or removed, so that none
// comes between the folder and its slot.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : kEndingSignals)
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~EndingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

fs::path Base() {
    std::error_code error;
    for (const char* candidate : {static_cast<const char*>(std::getenv("XDG_RUNTIME_DIR")), "/dev/shm"})
        if (candidate && *candidate && fs::is_directory(candidate, error) &&
            ::access(candidate, W_OK | X_OK) == 0)
            return candidate;
    fs::path temporary = fs::temp_directory_path(error);
    return error ? fs::path("/tmp") : temporary;
}

}  // namespace

PrivateFolder::PrivateFolder() {
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
    std::string pattern = (Base() / "lumora-dvd-XXXXXX").string();
    const EndingSignalsHeld held;
    for (int i = 0; i < static_cast<int>(slots.size()) && slot_ < 0; ++i) {
        int expected = Slot::kFree;
        if (slots[i].state.compare_exchange_strong(expected, Slot::kClaimed)) slot_ = i;
    }
    if (!::mkdtemp(pattern.data())) {
        if (slot_ >= 0) slots[slot_].state.store(Slot::kFree);
        slot_ = -1;
        return;
    }
    path_ = pattern;
    if (slot_ >= 0 && pattern.size() < sizeof slots[slot_].path) {
        std::memcpy(slots[slot_].path, pattern.c_str(), pattern.size() + 1);
        slots[slot_].state.store(Slot::kPublished, std::memory_order_release);
    }
}

PrivateFolder::~PrivateFolder() {
    const EndingSignalsHeld held;
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    if (slot_ >= 0) slots[slot_].state.store(Slot::kFree, std::memory_order_release);
}

}  // namespace lumora::dvdread
