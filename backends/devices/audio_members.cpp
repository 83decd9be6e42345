#include "backends/devices/audio_members.h"

#include <string>
#include <utility>
#include <vector>

#include "backends/devices/alsa_devices.h"
#include "backends/devices/device_filter.h"
#include "backends/devices/filter_class_ids.h"
#include "backends/devices/sound_server_devices.h"

namespace lumora::devices {

namespace {

// The default comes first, as the media framework's own default devices do, so that a program
// that takes the category's first member gets it.
MemberList AudioMembers(MemberList alsa, const std::string& defaultLabel, const std::string& defaultDevice,
                        const std::vector<std::string>& serverDevices) {
    MemberList members;
    if (!defaultDevice.empty())
        members.push_back(
            DeviceFilterMember(defaultLabel + " (" + defaultDevice + ")", CLSID_SoundServerDeviceFilter));
    for (DeviceMember& member : alsa)
        members.push_back(std::move(member));
    for (const std::string& device : serverDevices)
        members.push_back(DeviceFilterMember(device, CLSID_SoundServerDeviceFilter));
    return members;
}

}  // namespace

MemberList AudioCaptureMembers() {
    const SoundServerDevices server = ReadSoundServerDevices();
    return AudioMembers(AlsaCaptureMembers(), "Default input", server.defaultSource, server.sources);
}

MemberList AudioRendererMembers() {
    const SoundServerDevices server = ReadSoundServerDevices();
    return AudioMembers(AlsaPlaybackMembers(), "Default output", server.defaultSink, server.sinks);
}

}  // namespace lumora::devices
