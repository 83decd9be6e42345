#include "app/lumora_info/output.h"

#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The end of cat or grep whose reader went away: killed by SIGPIPE, quietly, whether the signal
// was ignored or blocked when the program started (and so came back as EPIPE) or not.
void EndAsByClosedPipe() {
    ::signal(SIGPIPE, SIG_DFL);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    ::pthread_sigmask(SIG_UNBLOCK, &pipe, nullptr);
    ::raise(SIGPIPE);
}

}  // namespace

void Output::Fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
}

void Output::Write(std::string_view text) {
    if (Failed() || text.empty()) return;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) Fail(errno);
}

bool Output::Flush() {
    if (Failed()) return false;
    if (std::fflush(stdout) != 0) Fail(errno);
    if (!Failed() && std::ferror(stdout)) Fail(EIO);
    return !Failed();
}

bool Output::Finish() {
    Flush();
    if (error_ == EPIPE) EndAsByClosedPipe();
    if (Failed() && !reported_ && error_ != EPIPE) {
        std::fprintf(stderr, "lumora_info: write error: %s\n", std::strerror(error_));
        reported_ = true;
    }
    return !Failed();
}
