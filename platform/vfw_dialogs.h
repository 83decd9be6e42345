// The dialogs of older capture drivers and compressors.
#pragma once

#include "platform/unknown.h"
#include "platform/window_handle.h"

inline constexpr IID IID_IAMVfwCaptureDialogs = MakeGuid("{D8D715A0-6E5E-11D0-B3F0-00AA003761C5}");
inline constexpr IID IID_IAMVfwCompressDialogs = MakeGuid("{D8D715A3-6E5E-11D0-B3F0-00AA003761C5}");

enum VfwCaptureDialogs : int {
    VfwCaptureDialog_Source = 1,
    VfwCaptureDialog_Format = 2,
    VfwCaptureDialog_Display = 4,
};

enum VfwCompressDialogs : int {
    VfwCompressDialog_Config = 1,
    VfwCompressDialog_About = 2,
    VfwCompressDialog_QueryConfig = 4,
    VfwCompressDialog_QueryAbout = 8,
};

struct IAMVfwCaptureDialogs : IUnknown {
    static constexpr const IID& iid = IID_IAMVfwCaptureDialogs;

    // S_OK when the driver has the dialog, S_FALSE when not, E_INVALIDARG for another number.
    virtual HRESULT HasDialog(int dialog) = 0;
    // Shows the dialog modally and returns when it is closed.
    virtual HRESULT ShowDialog(int dialog, HWND owner) = 0;

protected:
    ~IAMVfwCaptureDialogs() = default;
};

struct IAMVfwCompressDialogs : IUnknown {
    static constexpr const IID& iid = IID_IAMVfwCompressDialogs;

    // The query numbers (4, 8) answer S_OK when the dialog exists and show nothing; 1 and 2 show
    // the configuration or about dialog modally and return when it is closed.
    virtual HRESULT ShowDialog(int dialog, HWND owner) = 0;

protected:
    ~IAMVfwCompressDialogs() = default;
};
