#include "app/lumora_info/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    if (Failed() && !reported_) {
        std::fprintf(stderr, "lumora_info: write error: %s\n", std::strerror(error_));
        reported_ = true;
    }
    return !Failed();
}
