// The application's dialog host: draws the platform's dialogs with Qt, modally and without an
// owner window. Installed by the application at start (SetDialogHost).
#pragma once

#include "platform/dialog_host.h"

class QtDialogHost final : public IDialogHost {
public:
    // E_FAIL when no QApplication runs; S_OK when the dialog has been closed, however.
    HRESULT ShowPropertyFrame(HWND owner, const PropertyFrameDescription& frame) override;
    HRESULT ShowCompressorConfig(HWND owner, const OptionPage& options) override;
    HRESULT ShowCompressorAbout(HWND owner, const CompressorAboutDescription& about) override;
    HRESULT ShowCaptureDialog(HWND owner, const CaptureDialogDescription& dialog) override;
};
