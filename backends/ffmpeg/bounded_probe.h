// A hardware probe run in a child process under a bound, so that a driver that hangs or crashes
// makes the answer "no" and the caller goes on.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/hardware_probe.h"

namespace lumora::ffmpeg {

inline constexpr std::chrono::milliseconds kProbeBound{2000};

using ProbeWork = std::function<HardwareProbeAnswer()>;

// The work's answer; TimedOut when the child was killed at the bound, Crashed when it ended
// without an answer. In the child the libraries' log goes to LastLibraryError alone.
HardwareProbeAnswer RunBoundedProbe(const ProbeWork& work, std::chrono::milliseconds bound = kProbeBound);

// In the child: the last message the libraries logged at error level, without its line end.
std::string LastLibraryError();

}  // namespace lumora::ffmpeg
