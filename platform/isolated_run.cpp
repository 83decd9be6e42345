#include "platform/isolated_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/unique_fd.h"

namespace {

constexpr int kPipeSize = 1 << 20;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

std::chrono::milliseconds MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
}

// A child process that is killed and reaped unless it was reaped already.
class Child {
public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        Reap();
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // True when the child ended normally with status 0. Waits at most until the deadline.
    bool Succeeded(std::chrono::steady_clock::time_point deadline) {
        // A descriptor of the child wakes this thread the moment it ends; without one (kernels
        // before 5.3), its end is looked for every 200 microseconds.
        const UniqueFd ended(static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0)));
        for (;;) {
            int status = 0;
            const pid_t done = ::waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                pid_ = -1;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            }
            // ECHILD: someone else reaps children (SIGCHLD ignored); the bytes must speak alone.
            if (done < 0 && errno != EINTR) {
                pid_ = -1;
                return errno == ECHILD;
            }
            const auto left = MillisecondsLeft(deadline);
            if (left.count() <= 0) return false;
            if (ended.IsOpen()) {
                pollfd child{ended.Get(), POLLIN, 0};
                ::poll(&child, 1, static_cast<int>(left.count()) + 1);
            } else {
                ::usleep(200);
            }
        }
    }

private:
    void Reap() {
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

    pid_t pid_;
};

// A descriptor moved above standard input, output and error, where a program started without
// them would get it and the child's redirection of its standard error would replace it.
int AboveStandardDescriptors(int fd) {
    if (fd < 0 || fd > STDERR_FILENO) return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    ::close(fd);
    return moved;
}

// In sanitizer builds, what the child writes to its standard error: a sanitizer's report, which is
// dropped when it is of a known library fault and else passed on to this process's standard error
// and made fatal here, as a report of this process would be (so that tests and CI see it).
class ChildReports {
public:
    explicit ChildReports(std::span<const KnownLibraryFault> knownFaults) : knownFaults_(knownFaults) {
        if (kSanitized) file_.Reset(AboveStandardDescriptors(::memfd_create("child-reports", MFD_CLOEXEC)));
    }
    // Once the child is reaped.
    ~ChildReports() {
        if (!file_.IsOpen()) return;
        std::string report;
        char buffer[4096];
        for (ssize_t got;
             (got = ::pread(file_.Get(), buffer, sizeof buffer, static_cast<off_t>(report.size()))) > 0;)
            report.append(buffer, static_cast<size_t>(got));
        // Warnings (an allocation refused when the process was told to return null) are no report.
        const size_t at = report.find("SUMMARY: ");
        if (at == std::string::npos) return;
        const std::string summary = report.substr(at, report.find('\n', at) - at);
        for (const KnownLibraryFault& fault : knownFaults_)
            if (summary.find("Sanitizer: " + std::string(fault.kind) + " ") != std::string::npos &&
                report.find(fault.name) != std::string::npos)
                return;
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, report.data(), report.size());
        std::abort();
    }
    ChildReports(const ChildReports&) = delete;
    ChildReports& operator=(const ChildReports&) = delete;

    // Where the child's standard error goes; -1: /dev/null.
    int File() const { return file_.Get(); }

private:
    std::span<const KnownLibraryFault> knownFaults_;
    UniqueFd file_;
};

// The child ends with its parent's thread, leaves no core file or crash report behind (a library's
// crash here is expected of hostile input, and already reported as no result) and writes nothing
// to the parent's output; its standard error goes to the reports, or /dev/null.
[[noreturn]] void RunChild(const IsolatedWork& work, int out, int reports, pid_t parent) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(1);  // the parent ended before the line above
    ::prctl(PR_SET_DUMPABLE, 0);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(reports >= 0 ? reports : null, STDERR_FILENO);
    }
    int status = 1;
    try {
        if (const std::optional<std::vector<uint8_t>> bytes = work()) {
            const uint8_t* data = bytes->data();
            size_t left = bytes->size();
            status = 0;
            while (left > 0) {
                const ssize_t written = ::write(out, data, left);
                if (written < 0 && errno == EINTR) continue;
                if (written <= 0) {
                    status = 1;
                    break;
                }
                data += written;
                left -= static_cast<size_t>(written);
            }
        }
    } catch (...) {
        status = 1;
    }
    ::_exit(status);
}

}  // namespace

std::optional<std::vector<uint8_t>> RunIsolated(const IsolatedWork& work, std::chrono::milliseconds deadline,
                                                std::span<const KnownLibraryFault> knownFaults) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
    UniqueFd in(AboveStandardDescriptors(ends[0]));
    UniqueFd out(AboveStandardDescriptors(ends[1]));
    if (!in.IsOpen() || !out.IsOpen()) return std::nullopt;
    // Room for a large answer at once (99 titles with their chapters and cells), rather than a
    // wake-up of this thread for every 64 KiB; the system's limit may refuse it, which is no fault.
    ::fcntl(out.Get(), F_SETPIPE_SZ, kPipeSize);
    const ChildReports reports(knownFaults);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        in.Reset();
        RunChild(work, out.Get(), reports.File(), parent);
    }
    Child child(pid);
    out.Reset();

    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    for (;;) {
        const auto left = MillisecondsLeft(end);
        if (left.count() <= 0) return std::nullopt;
        pollfd ready{in.Get(), POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return std::nullopt;
        const ssize_t got = ::read(in.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    if (!child.Succeeded(end)) return std::nullopt;
    return bytes;
}
