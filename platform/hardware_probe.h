// Whether this machine's hardware decodes a stream or runs an encoder: the FFmpeg module's probe.
// Every probe that may touch a driver runs in a child process under a bound, so that a driver
// that hangs or crashes only makes the answer "no".
#pragma once

#include <cstdint>
#include <string>

#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/unknown.h"

inline constexpr IID IID_IHardwareProbe = MakeGuid("{5703DE07-ED9F-4B56-8191-42BCC7C196BB}");

enum class HardwareProbeResult : uint8_t {
    Usable,    // the device opened and the trial worked
    NoDevice,  // no device of the type opens here
    Failed,    // the device opened, the trial did not work (detail says why)
    TimedOut,  // the child was killed at the bound
    Crashed,   // the child ended without an answer
};

struct HardwareProbeAnswer {
    HardwareProbeResult result = HardwareProbeResult::Failed;
    std::string deviceType;  // libavutil's name of the device type tried ("vaapi"); empty for none
    std::string device;      // the device that opened ("/dev/dri/renderD128"); empty when it has no name
    std::string detail;      // the library's message, for Failed and NoDevice
};

struct IHardwareProbe : IUnknown {
    static constexpr const IID& iid = IID_IHardwareProbe;

    // Whether a device of the type (libavutil's name) opens here and decodes the first frames of
    // stream `streamIndex` of the file into hardware frames. Each device type is opened at most
    // once per process; the trial decode runs only where it opened. E_POINTER for a null answer.
    virtual HRESULT ProbeDecoding(const std::string& path, int streamIndex, const std::string& deviceType,
                                  HardwareProbeAnswer* answer) = 0;

    // Whether the encoder of that name opens here with a small frame configuration, once per
    // process. S_FALSE, with the answer untouched, for an encoder that is no hardware encoder;
    // E_INVALIDARG when libavcodec has no encoder of that name.
    virtual HRESULT ProbeEncoder(const std::string& encoder, HardwareProbeAnswer* answer) = 0;

protected:
    ~IHardwareProbe() = default;
};
