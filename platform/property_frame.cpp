#include "platform/property_frame.h"

#include <vector>

#include "platform/com.h"

HRESULT OleCreatePropertyFrame(HWND owner, uint32_t, uint32_t, const std::string& caption, ULONG objectCount,
                               IUnknown** objects, ULONG pageCount, const CLSID* pageClsids, uint32_t,
                               uint32_t, void*) {
    if ((objectCount > 0 && !objects) || (pageCount > 0 && !pageClsids)) return E_POINTER;
    IDialogHost* host = CurrentDialogHost();
    if (!host) return E_NOTIMPL;

    PropertyFrameDescription frame;
    frame.caption = caption;
    // The pages stay alive (with their references to the objects) while the frame is shown.
    std::vector<ComPtr<IPropertyPage>> pages;
    for (ULONG i = 0; i < pageCount; ++i) {
        ComPtr<IPropertyPage> page;
        HRESULT hr = CoCreateInstance(pageClsids[i], page);
        if (FAILED(hr)) return hr;
        if (!page) return E_UNEXPECTED;
        hr = page->SetObjects(objectCount, objects);
        if (FAILED(hr)) return hr;
        OptionPage description;
        hr = page->Describe(&description);
        if (FAILED(hr)) return hr;
        frame.pages.push_back(std::move(description));
        pages.push_back(std::move(page));
    }
    return host->ShowPropertyFrame(owner, frame);
}
