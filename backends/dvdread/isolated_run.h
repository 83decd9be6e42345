// Runs work in a child process and takes back the bytes it produced, so that a crash, an abort
// or a hang inside a library only fails that one piece of work.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace lumora::dvdread {

using IsolatedWork = std::function<std::optional<std::vector<uint8_t>>()>;

// The bytes the work returned in the child; nothing when it returned nothing, threw, crashed, or
// had not finished by the deadline (the child is then killed). The child's standard output and
// error go to /dev/null, and it leaves without running exit handlers.
std::optional<std::vector<uint8_t>> RunIsolated(const IsolatedWork& work, std::chrono::milliseconds deadline);

}  // namespace lumora::dvdread
