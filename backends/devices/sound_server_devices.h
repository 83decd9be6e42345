// The outputs and inputs of the desktop's sound server (PulseAudio, or PipeWire's PulseAudio
// server), read through libpulse within a fixed bound.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace lumora::devices {

struct SoundServerDevices {
    // Descriptions as the server gives them (made valid UTF-8), in the server's order.
    std::vector<std::string> sinks;
    std::vector<std::string> sources;  // without the monitors of sinks
    // Descriptions of the defaults; empty when the server has none, or when the default source is
    // a monitor.
    std::string defaultSink;
    std::string defaultSource;
};

// A live local server answers everything in about 3 ms, a busy one in tens of milliseconds. The
// window reads the catalogue before it is shown and must be up within 300 ms even when a server
// accepts the connection and never answers, on top of its own ~110 ms start: so 150 ms.
inline constexpr std::chrono::milliseconds kSoundServerBound{150};

// Connects as the user's configuration says, never starting a server, and reads the server's
// defaults and both lists. Nothing (all empty) when no server answers all of it within `bound`;
// a server that let a whole bound pass unanswered is not waited for again for a second, so that
// reading both audio categories costs one bound at most. Prints nothing.
SoundServerDevices ReadSoundServerDevices(std::chrono::milliseconds bound = kSoundServerBound);

}  // namespace lumora::devices
