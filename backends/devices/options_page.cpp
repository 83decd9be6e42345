#include "backends/devices/options_page.h"

#include "backends/devices/av_options.h"
#include "backends/devices/filter_class_ids.h"
#include "backends/devices/options_source.h"
#include "platform/class_ids.h"
#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/com_ptr.h"

namespace lumora::devices {

namespace {

class AVOptionsPage : public ComObject<IPropertyPage> {
public:
    HRESULT SetObjects(ULONG count, IUnknown** objects) override {
        if (count > 0 && !objects) return E_POINTER;
        source_.Reset();
        // The first object that has options is the one the page edits.
        for (ULONG i = 0; i < count && !source_; ++i)
            if (objects[i]) objects[i]->QueryInterface(IID_IAVOptionsSource, source_.PutVoid());
        return source_ ? S_OK : E_NOINTERFACE;
    }

    HRESULT Describe(OptionPage* page) override {
        if (!page) return E_POINTER;
        if (!source_) return E_UNEXPECTED;
        page->title = "Options";
        page->options = DescribeOptions(source_->OptionsObject(), IsUserOption, true);
        page->availability = source_->Availability();
        page->filter = source_->FilterName();
        // The description keeps the object alive for as long as it can change it.
        page->setOption = [source = source_](const std::string& name, const std::string& value) {
            return SetOptionText(source->OptionsObject(), name, value, true);
        };
        return S_OK;
    }

private:
    ComPtr<IAVOptionsSource> source_;
};

}  // namespace

HRESULT CreateAVOptionsPage(const IID& iid, void** out) { return CreateComObject<AVOptionsPage>(iid, out); }

HRESULT OptionsPageList(const AVClass* optionsClass, CAUUID* pages) {
    if (!pages) return E_POINTER;
    *pages = {};
    if (!ClassHasOptions(optionsClass)) return S_OK;
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
    if (!pages->pElems) return E_OUTOFMEMORY;
    pages->pElems[0] = CLSID_AVOptionsPage;
    pages->cElems = 1;
    return S_OK;
}

}  // namespace lumora::devices
