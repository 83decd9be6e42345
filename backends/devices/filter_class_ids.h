// Class identifiers of the enumerator's filter objects, one per family of members, as the media
// framework's wrapper filters share one.
#pragma once

#include "platform/guid.h"

namespace lumora::devices {

inline constexpr CLSID CLSID_EncoderFilter = MakeGuid("{3B5E606D-5675-43E2-BE53-397F2D3C4EAB}");
inline constexpr CLSID CLSID_LavfiFilter = MakeGuid("{D36D9F4D-9B58-40D0-B2CD-FC0B6B6D6E2C}");
inline constexpr CLSID CLSID_V4L2CaptureFilter = MakeGuid("{6A6BC9DA-D58C-4852-9819-E49D1A9DC1E0}");
inline constexpr CLSID CLSID_AudioDeviceFilter = MakeGuid("{7712DE3E-005F-40DD-B59E-80A632BE52BB}");
inline constexpr CLSID CLSID_SoundServerDeviceFilter = MakeGuid("{EB866557-3789-4515-B5E0-3B69DD652A53}");
inline constexpr CLSID CLSID_TunerFilter = MakeGuid("{D7C3B387-74F8-4FFD-9DEE-8923DE2C7EBC}");

}  // namespace lumora::devices
