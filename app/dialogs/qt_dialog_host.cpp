#include "app/dialogs/qt_dialog_host.h"

#include <QApplication>

#include "app/dialogs/capture_dialog.h"
#include "app/dialogs/compressor_about_dialog.h"
#include "app/dialogs/property_frame_dialog.h"

namespace {

bool HaveApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

}  // namespace

// The owner handle is not used: like the platform's own, these dialogs belong to no window.
HRESULT QtDialogHost::ShowPropertyFrame(HWND, const PropertyFrameDescription& frame) {
    if (!HaveApplication()) return E_FAIL;
    PropertyFrameDialog dialog(frame);
    dialog.exec();
    return S_OK;
}

HRESULT QtDialogHost::ShowCompressorConfig(HWND, const OptionPage& options) {
    if (!HaveApplication()) return E_FAIL;
    PropertyFrameDialog dialog(PropertyFrameDescription{options.title, {options}}, false);
    dialog.exec();
    return S_OK;
}

HRESULT QtDialogHost::ShowCompressorAbout(HWND, const CompressorAboutDescription& about) {
    if (!HaveApplication()) return E_FAIL;
    CompressorAboutDialog dialog(about);
    dialog.exec();
    return S_OK;
}

HRESULT QtDialogHost::ShowCaptureDialog(HWND, const CaptureDialogDescription& description) {
    if (!HaveApplication()) return E_FAIL;
    CaptureDialog dialog(description);
    dialog.exec();
    return S_OK;
}
