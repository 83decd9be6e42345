#include "app/lumora_info/progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr char kErase[] = "\r\x1b[K";

void WriteToTerminal(const std::string& text) {
    // Unbuffered, like standard error itself; a lost frame of the bar is no error.
    for (size_t at = 0; at < text.size();) {
        const ssize_t written = ::write(STDERR_FILENO, text.data() + at, text.size() - at);
        if (written <= 0) return;
        at += static_cast<size_t>(written);
    }
}

size_t TerminalWidth() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

std::string TimeText(double seconds) {
    const auto whole = static_cast<long long>(seconds + 0.5);
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

}  // namespace

ProgressBar::ProgressBar(size_t total, bool wanted, ProgressUnit unit)
    : total_(total),
      unit_(unit),
      enabled_(wanted && total > (unit == ProgressUnit::Bytes ? 0 : 1) && ::isatty(STDERR_FILENO) == 1) {}

void ProgressBar::Update(size_t done) {
    if (!enabled_) return;
    const Clock::time_point now = Clock::now();
    if (drawn_ != Clock::time_point{} && now - drawn_ < kRedrawInterval) return;
    drawn_ = now;
    shown_ = true;
    std::string frame = Line(done, std::chrono::duration<double>(now - start_).count());
    frame.insert(frame.begin(), '\r');
    WriteToTerminal(frame.append("\x1b[K"));
}

void ProgressBar::Erase() {
    if (!shown_) return;
    WriteToTerminal(kErase);
    shown_ = false;
}

std::string ProgressBar::Line(size_t done, double seconds) const {
    done = std::min(done, total_);
    const double rate = seconds > 0 ? done / seconds : 0;
    const std::string left = done > 0 && rate > 0 ? TimeText((total_ - done) / rate) : "--:--";
    char factsText[128];
    if (unit_ == ProgressUnit::Bytes) {
        constexpr double kMegabyte = 1e6;
        std::snprintf(factsText, sizeof factsText, " %.0f/%.0f MB %3zu%% %.1f MB/s %s left", done / kMegabyte,
                      total_ / kMegabyte, done * 100 / total_, rate / kMegabyte, left.c_str());
    } else {
        std::snprintf(factsText, sizeof factsText, " %zu/%zu %3zu%% %.1f files/s %s left", done, total_,
                      done * 100 / total_, rate, left.c_str());
    }
    const std::string facts = factsText;
    // The bar takes what the facts leave of the line, less one column so the cursor never wraps.
    const size_t width = TerminalWidth();
    const size_t room = width > facts.size() + 3 ? width - facts.size() - 3 : 0;
    const size_t barWidth = std::min<size_t>(room, 40);
    if (barWidth < 5) return facts.substr(1, width > 1 ? width - 1 : 0);
    const size_t filled = barWidth * done / total_;
    std::string line(1, '[');
    line.append(filled, '#').append(barWidth - filled, '.').append(1, ']').append(facts);
    return line;
}
