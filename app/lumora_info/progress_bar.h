// A one-line progress bar on standard error: files (or bytes) done of all, percent, rate and time
// left. Drawn only when enabled, at most ten times a second, and erased at the end.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

enum class ProgressUnit { Files, Bytes };

class ProgressBar {
public:
    // Enabled when wanted, standard error is a terminal and there is more than one file (or any
    // byte, when it counts bytes).
    ProgressBar(size_t total, bool wanted, ProgressUnit unit = ProgressUnit::Files);
    ~ProgressBar() { Erase(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // Draws at once the first time, later only when the last drawing is a tenth of a second old.
    void Update(size_t done);
    // Takes the bar off the screen before other output reaches the terminal.
    void Erase();
    bool Enabled() const { return enabled_; }

private:
    std::string Line(size_t done, double seconds) const;

    using Clock = std::chrono::steady_clock;
    size_t total_;
    ProgressUnit unit_;
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point drawn_{};
};
