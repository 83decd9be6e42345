// How the options page reaches the FFmpeg object behind a filter object of this backend.
#pragma once

#include <optional>
#include <string>

#include "platform/hardware_probe.h"
#include "platform/unknown.h"

namespace lumora::devices {

inline constexpr IID IID_IAVOptionsSource = MakeGuid("{03481B44-20A9-46CA-B8C8-5A9166A1BC44}");

struct IAVOptionsSource : IUnknown {
    static constexpr const IID& iid = IID_IAVOptionsSource;

    // The object whose options the page lists (its first member is its AVClass pointer); it
    // lives as long as the filter object.
    virtual void* OptionsObject() = 0;
    // For a hardware encoder, whether it opens on this machine (probed when first asked); none
    // for anything else.
    virtual std::optional<HardwareProbeAnswer> Availability() = 0;
    // A filter's name, for arguments written as a filter description; empty for an encoder.
    virtual std::string FilterName() = 0;

protected:
    ~IAVOptionsSource() = default;
};

}  // namespace lumora::devices
