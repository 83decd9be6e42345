#include "catalogue/kx_ds_adds_for_info.h"

#include "platform/com.h"
#include "platform/com_ptr.h"
#include "platform/property_frame.h"
#include "platform/utf8.h"
#include "platform/vfw_dialogs.h"

std::string CompressionName(uint32_t compression) {
    switch (compression) {
        case 0: return "RGB";
        case 1: return "RLE8";
        case 2: return "RLE4";
        case 3: return "BITFIELDS";
        default: break;
    }
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto byte = static_cast<unsigned char>((compression >> shift) & 0xFF);
        if (byte == 0) break;
        // Text is UTF-8: a byte above 127 stands for its Latin-1 character.
        AppendUtf8(text, byte);
    }
    return text;
}

namespace {

// The dialog numbers of each kind: the one queried and the one shown.
struct DialogNumbers {
    int queried;
    int shown;
};

constexpr DialogNumbers kDialogNumbers[] = {
    {0, 0},                                                     // sdkPropertyPages
    {VfwCaptureDialog_Display, VfwCaptureDialog_Display},       // sdkCaptureDisplay
    {VfwCaptureDialog_Format, VfwCaptureDialog_Format},         // sdkCaptureFormat
    {VfwCaptureDialog_Source, VfwCaptureDialog_Source},         // sdkCaptureSource
    {VfwCompressDialog_QueryConfig, VfwCompressDialog_Config},  // sdkCompressorConfig
    {VfwCompressDialog_QueryAbout, VfwCompressDialog_About},    // sdkCompressorAbout
};

bool IsCaptureKind(TSettingsDialogKind kind) { return kind >= sdkCaptureDisplay && kind <= sdkCaptureSource; }
bool IsCompressorKind(TSettingsDialogKind kind) {
    return kind == sdkCompressorConfig || kind == sdkCompressorAbout;
}

// The page array of a CAUUID, freed with the task allocator.
struct PageList {
    CAUUID pages;
    PageList() = default;
    ~PageList() {
        if (pages.pElems) CoTaskMemFree(pages.pElems);
    }
    PageList(const PageList&) = delete;
    PageList& operator=(const PageList&) = delete;
};

HRESULT ShowPropertyPages(HWND owner, IBaseFilter* filter) {
    ComPtr<ISpecifyPropertyPages> specify;
    HRESULT hr = filter->QueryInterface(IID_ISpecifyPropertyPages, specify.PutVoid());
    if (hr != S_OK) return hr;
    if (!specify) return E_POINTER;
    PageList pages;
    hr = specify->GetPages(&pages.pages);
    if (hr != S_OK) return hr;
    FILTER_INFO info{};
    hr = filter->QueryFilterInfo(&info);
    // The graph reference, if the filter handed one out, is released whatever the answer.
    const auto graph = ComPtr<IFilterGraph>::Attach(info.pGraph);
    if (hr != S_OK) return hr;
    IUnknown* object = filter;
    return OleCreatePropertyFrame(owner, 0, 0, info.achName, 1, &object, pages.pages.cElems,
                                  pages.pages.pElems, 0, 0, nullptr);
}

}  // namespace

bool HasSettingsDialog(IBaseFilter* filter, TSettingsDialogKind kind) {
    if (!filter) return false;
    if (kind == sdkPropertyPages) {
        ComPtr<ISpecifyPropertyPages> specify;
        return SUCCEEDED(filter->QueryInterface(IID_ISpecifyPropertyPages, specify.PutVoid()));
    }
    if (IsCaptureKind(kind)) {
        ComPtr<IAMVfwCaptureDialogs> dialogs;
        if (filter->QueryInterface(IID_IAMVfwCaptureDialogs, dialogs.PutVoid()) != S_OK || !dialogs)
            return false;
        return SUCCEEDED(dialogs->HasDialog(kDialogNumbers[kind].queried));
    }
    if (IsCompressorKind(kind)) {
        ComPtr<IAMVfwCompressDialogs> dialogs;
        if (filter->QueryInterface(IID_IAMVfwCompressDialogs, dialogs.PutVoid()) != S_OK || !dialogs)
            return false;
        return SUCCEEDED(dialogs->ShowDialog(kDialogNumbers[kind].queried, nullptr));
    }
    return false;
}

HRESULT ShowSettingsDialog(HWND owner, IBaseFilter* filter, TSettingsDialogKind kind) {
    if (!filter || kind > sdkCompressorAbout) return S_FALSE;
    if (kind == sdkPropertyPages) return ShowPropertyPages(owner, filter);
    const DialogNumbers numbers = kDialogNumbers[kind];
    if (IsCaptureKind(kind)) {
        ComPtr<IAMVfwCaptureDialogs> dialogs;
        HRESULT hr = filter->QueryInterface(IID_IAMVfwCaptureDialogs, dialogs.PutVoid());
        if (hr != S_OK) return hr;
        if (!dialogs) return E_POINTER;
        hr = dialogs->HasDialog(numbers.queried);
        if (hr != S_OK) return hr;
        return dialogs->ShowDialog(numbers.shown, owner);
    }
    ComPtr<IAMVfwCompressDialogs> dialogs;
    HRESULT hr = filter->QueryInterface(IID_IAMVfwCompressDialogs, dialogs.PutVoid());
    if (hr != S_OK) return hr;
    if (!dialogs) return E_POINTER;
    hr = dialogs->ShowDialog(numbers.queried, nullptr);
    if (hr != S_OK) return hr;
    return dialogs->ShowDialog(numbers.shown, owner);
}
