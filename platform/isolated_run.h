// Runs work in a child process and takes back the bytes it produced, so that a crash, an abort
// or a hang inside a library only fails that one piece of work.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

using IsolatedWork = std::function<std::optional<std::vector<uint8_t>>()>;

// A library's fault that the child is there to contain: a sanitizer report of that kind
// ("double-free") whose text names `name` (a function, " in ifoRead_FP_PGC ", or a library) is
// no news.
struct KnownLibraryFault {
    std::string_view kind;
    std::string_view name;
};

// The bytes the work returned in the child; nothing when it returned nothing, threw, crashed, or
// had not finished by the deadline (the child is then killed). Works whatever descriptors the
// process was started with. The child dies with the calling thread, dumps no core, writes to
// /dev/null in place of standard output and error, and leaves without running exit handlers. In
// sanitizer builds a sanitizer's report from the child reaches this process's standard error and
// ends this process too, unless it is of one of the known faults.
std::optional<std::vector<uint8_t>> RunIsolated(const IsolatedWork& work, std::chrono::milliseconds deadline,
                                                std::span<const KnownLibraryFault> knownFaults = {});
