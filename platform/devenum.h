// The system device enumerator: the members of a filter category (codecs, filters, devices).
#pragma once

#include "platform/class_ids.h"
#include "platform/moniker.h"
#include "platform/unknown.h"

inline constexpr IID IID_ICreateDevEnum = MakeGuid("{29840822-5B84-11D0-BD3B-00A0C911CE86}");
inline constexpr IID IID_IEnumMoniker = MakeGuid("{00000102-0000-0000-C000-000000000046}");

inline constexpr GUID CLSID_VideoCompressorCategory = MakeGuid("{33D9A760-90C8-11D0-BD43-00A0C911CE86}");
inline constexpr GUID CLSID_AudioCompressorCategory = MakeGuid("{33D9A761-90C8-11D0-BD43-00A0C911CE86}");
inline constexpr GUID CLSID_AudioInputDeviceCategory = MakeGuid("{33D9A762-90C8-11D0-BD43-00A0C911CE86}");
inline constexpr GUID CLSID_LegacyAmFilterCategory = MakeGuid("{083863F1-70DE-11D0-BD40-00A0C911CE86}");
inline constexpr GUID CLSID_VideoInputDeviceCategory = MakeGuid("{860BB310-5D01-11D0-BD3B-00A0C911CE86}");
inline constexpr GUID CLSID_AudioRendererCategory = MakeGuid("{E0F158E1-CB04-11D0-BD4E-00A0C911CE86}");
inline constexpr GUID AM_KSCATEGORY_TVTUNER = MakeGuid("{A799A800-A46D-11D0-A18C-00A02401DCD4}");

// Walks a list of monikers.
struct IEnumMoniker : IUnknown {
    static constexpr const IID& iid = IID_IEnumMoniker;

    // Hands out up to `count` monikers (references for the caller) and their number in *fetched
    // (which may be null when count is 1); S_OK when all were delivered, S_FALSE when the list
    // ended first.
    virtual HRESULT Next(ULONG count, IMoniker** monikers, ULONG* fetched) = 0;
    // S_FALSE when fewer than `count` were left to skip.
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;

protected:
    ~IEnumMoniker() = default;
};

struct ICreateDevEnum : IUnknown {
    static constexpr const IID& iid = IID_ICreateDevEnum;

    // A fresh enumeration of the category's current members: S_OK with an enumerator, or S_FALSE
    // and null when the category is unknown or has no members.
    virtual HRESULT CreateClassEnumerator(const GUID& category, IEnumMoniker** out, uint32_t flags) = 0;

protected:
    ~ICreateDevEnum() = default;
};
