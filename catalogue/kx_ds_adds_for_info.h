// Helpers over the media framework's filters and format blocks.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base_filter.h"
#include "platform/hresult.h"
#include "platform/window_handle.h"

// "RGB", "RLE8", "RLE4", "BITFIELDS" for 0 to 3; otherwise the code's four bytes, least
// significant first, up to the first zero byte
// (bytes above 127 as their Latin-1 characters).
std::string CompressionName(uint32_t compression);

// The settings dialogs a filter may offer.
enum TSettingsDialogKind : uint8_t {
    sdkPropertyPages = 0,   // the filter's property pages in a property frame
    sdkCaptureDisplay = 1,  // capture driver dialogs
    sdkCaptureFormat = 2,
    sdkCaptureSource = 3,
    sdkCompressorConfig = 4,  // compressor dialogs
    sdkCompressorAbout = 5,
};

// Whether the filter (may be null) offers the dialog of that kind. For the property pages the
// interface alone counts; for the driver and compressor dialogs any success code of the query
// counts, S_FALSE included. Any other kind gives false.
bool HasSettingsDialog(IBaseFilter* filter, TSettingsDialogKind kind);

// Shows the dialog of that kind modally and returns when it is closed: the result code of the
// last platform call made, S_FALSE when nothing was tried (a null filter, an unknown kind). The
// driver and compressor dialogs are shown only when their query answers exactly S_OK; the
// property frame's caption is the name the filter reports about itself.
HRESULT ShowSettingsDialog(HWND owner, IBaseFilter* filter, TSettingsDialogKind kind);
