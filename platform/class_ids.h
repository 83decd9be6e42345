// The identifiers of the classes that the backend modules serve, and nothing else, so that the
// class table, each module's entry and the programs can name a class without its interfaces.
#pragma once

#include "platform/guid.h"

inline constexpr CLSID CLSID_MediaDet = MakeGuid("{65BD0711-24D2-4FF7-9324-ED2E5D3ABAFA}");
// What this machine's hardware can decode and encode, and the full decoding check of a file.
inline constexpr CLSID CLSID_HardwareProbe = MakeGuid("{F7FE1693-53BD-4A15-8489-E93D08E5DCD6}");
inline constexpr CLSID CLSID_MediaVerifier = MakeGuid("{304384D9-1852-4F55-A84B-9DF244650286}");
inline constexpr CLSID CLSID_DvdGraphBuilder = MakeGuid("{FCC152B7-F372-11D0-8E00-00C04FD7C08B}");
inline constexpr CLSID CLSID_SystemDeviceEnum = MakeGuid("{62BE5D10-60EB-11D0-BD3B-00A0C911CE86}");
// The options page that the device module's codecs and filters name in their page lists.
inline constexpr CLSID CLSID_AVOptionsPage = MakeGuid("{44A20CFC-7130-4BA7-8FC2-8B5B03B60BE8}");
