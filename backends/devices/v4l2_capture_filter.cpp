#include "backends/devices/v4l2_capture_filter.h"

#include <utility>

#include "backends/devices/v4l2_devices.h"
#include "platform/base_filter.h"
#include "platform/com_object.h"
#include "platform/dialog_host.h"
#include "platform/vfw_dialogs.h"

namespace lumora::devices {

namespace {

class V4L2CaptureFilter : public ComObject<IBaseFilter, IAMVfwCaptureDialogs> {
public:
    V4L2CaptureFilter(std::string path, std::string name) : path_(std::move(path)), name_(std::move(name)) {}

    HRESULT QueryFilterInfo(FILTER_INFO* info) override {
        if (!info) return E_POINTER;
        info->achName = name_;
        info->pGraph = nullptr;
        return S_OK;
    }

    HRESULT HasDialog(int dialog) override { return V4L2HasDialog(path_, dialog); }

    HRESULT ShowDialog(int dialog, HWND owner) override {
        IDialogHost* host = CurrentDialogHost();
        if (!host) return E_NOTIMPL;
        CaptureDialogDescription description;
        const HRESULT hr = V4L2DescribeDialog(path_, name_, dialog, &description);
        if (FAILED(hr)) return hr;
        return host->ShowCaptureDialog(owner, description);
    }

private:
    std::string path_;
    std::string name_;
};

}  // namespace

HRESULT CreateV4L2CaptureFilter(std::string path, std::string name, const IID& iid, void** out) {
    return CreateComObject<V4L2CaptureFilter>(iid, out, std::move(path), std::move(name));
}

}  // namespace lumora::devices
