// Fake platform objects for the catalogue's unit tests: a system device enumerator over
// scripted members, and filters whose settings interfaces answer scripted result codes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/base_filter.h"
#include "platform/com.h"
#include "platform/com_object.h"
#include "platform/devenum.h"
#include "platform/dialog_host.h"
#include "platform/property_bag.h"
#include "platform/property_frame.h"
#include "platform/vfw_dialogs.h"

namespace fakes {

// ---- Filters ----------------------------------------------------------------------------------

class FakeGraph : public ComObject<IFilterGraph> {
public:
    static ComPtr<FakeGraph> Make() { return ComPtr<FakeGraph>::Attach(new FakeGraph); }
    ULONG References() {
        AddRef();
        return Release();
    }
};

inline constexpr CLSID CLSID_FakePage = MakeGuid("{0F0F0F0F-1111-2222-3333-444444444444}");

struct FilterScript {
    std::string name = "fake filter";  // what QueryFilterInfo reports
    // Interfaces: the result QueryInterface answers (E_NOINTERFACE: not offered).
    HRESULT pagesQuery = E_NOINTERFACE;
    HRESULT captureQuery = E_NOINTERFACE;
    HRESULT compressQuery = E_NOINTERFACE;
    HRESULT getPages = S_OK;
    ULONG pageCount = 1;
    HRESULT filterInfo = S_OK;
    bool handsOutGraph = false;
    std::map<int, HRESULT> hasDialog{};   // capture: dialog number → HasDialog result (S_FALSE when absent)
    std::map<int, HRESULT> showDialog{};  // both: dialog number → ShowDialog result (S_OK when absent)
};

// What a fake filter was asked.
struct FilterLog {
    std::vector<int> hasDialogCalls;
    std::vector<std::pair<int, HWND>> captureShowCalls;
    std::vector<std::pair<int, HWND>> compressShowCalls;
    int getPagesCalls = 0;
    int filterInfoCalls = 0;
};

// Both dialog interfaces name their method ShowDialog; these adaptors tell them apart.
struct CaptureDialogsAdaptor : IAMVfwCaptureDialogs {
    HRESULT ShowDialog(int dialog, HWND owner) final { return ShowCapture(dialog, owner); }
    virtual HRESULT ShowCapture(int dialog, HWND owner) = 0;
};
struct CompressDialogsAdaptor : IAMVfwCompressDialogs {
    HRESULT ShowDialog(int dialog, HWND owner) final { return ShowCompress(dialog, owner); }
    virtual HRESULT ShowCompress(int dialog, HWND owner) = 0;
};

class FakeFilter
    : public ComObject<IBaseFilter, ISpecifyPropertyPages, CaptureDialogsAdaptor, CompressDialogsAdaptor> {
public:
    FakeFilter(FilterScript script, FilterLog* log) : script_(std::move(script)), log_(log) {
        if (script_.handsOutGraph) graph_ = FakeGraph::Make();
    }

    static ComPtr<IBaseFilter> Make(FilterScript script, FilterLog* log = nullptr) {
        return ComPtr<IBaseFilter>::Attach(new FakeFilter(std::move(script), log));
    }

    // The graph the filter hands out, to check that every reference came back.
    FakeGraph* Graph() const { return graph_.Get(); }

    HRESULT QueryInterface(const IID& iid, void** out) override {
        const std::optional<HRESULT> scripted =
            IsEqualGUID(iid, IID_ISpecifyPropertyPages)   ? script_.pagesQuery
            : IsEqualGUID(iid, IID_IAMVfwCaptureDialogs)  ? script_.captureQuery
            : IsEqualGUID(iid, IID_IAMVfwCompressDialogs) ? script_.compressQuery
                                                          : std::optional<HRESULT>();
        if (scripted && *scripted != S_OK) {
            if (out) *out = nullptr;
            // A success code other than S_OK still hands out the interface, as a sloppy filter
            // might.
            if (SUCCEEDED(*scripted) && out) ComObject::QueryInterface(iid, out);
            return *scripted;
        }
        return ComObject::QueryInterface(iid, out);
    }

    HRESULT QueryFilterInfo(FILTER_INFO* info) override {
        if (log_) ++log_->filterInfoCalls;
        info->achName = script_.name;
        if (graph_) {
            graph_->AddRef();
            info->pGraph = graph_.Get();
        }
        return script_.filterInfo;
    }

    HRESULT GetPages(CAUUID* pages) override {
        if (log_) ++log_->getPagesCalls;
        *pages = {};
        if (script_.pageCount > 0) {
            pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * script_.pageCount));
            for (ULONG i = 0; i < script_.pageCount; ++i)
                pages->pElems[i] = CLSID_FakePage;
            pages->cElems = script_.pageCount;
        }
        return script_.getPages;
    }

    HRESULT HasDialog(int dialog) override {
        if (log_) log_->hasDialogCalls.push_back(dialog);
        const auto it = script_.hasDialog.find(dialog);
        return it == script_.hasDialog.end() ? S_FALSE : it->second;
    }

    HRESULT ShowCapture(int dialog, HWND owner) override {
        if (log_) log_->captureShowCalls.emplace_back(dialog, owner);
        return Scripted(dialog);
    }
    HRESULT ShowCompress(int dialog, HWND owner) override {
        if (log_) log_->compressShowCalls.emplace_back(dialog, owner);
        return Scripted(dialog);
    }

private:
    HRESULT Scripted(int dialog) const {
        const auto it = script_.showDialog.find(dialog);
        return it == script_.showDialog.end() ? S_OK : it->second;
    }

    FilterScript script_;
    FilterLog* log_;
    ComPtr<FakeGraph> graph_;
};

// A page that describes itself by the name of the object it was given.
class FakePage : public ComObject<IPropertyPage> {
public:
    HRESULT SetObjects(ULONG count, IUnknown**) override {
        objects_ = count;
        return S_OK;
    }
    HRESULT Describe(OptionPage* page) override {
        page->title = "fake page for " + std::to_string(objects_) + " object(s)";
        return S_OK;
    }

private:
    ULONG objects_ = 0;
};

// A dialog host that records what it was asked to show.
class RecordingHost : public IDialogHost {
public:
    HRESULT ShowPropertyFrame(HWND owner, const PropertyFrameDescription& frame) override {
        frames.push_back(frame);
        owners.push_back(owner);
        return frameResult;
    }
    HRESULT ShowCompressorConfig(HWND, const OptionPage& options) override {
        configs.push_back(options);
        return S_OK;
    }
    HRESULT ShowCompressorAbout(HWND, const CompressorAboutDescription& about) override {
        abouts.push_back(about);
        return S_OK;
    }
    HRESULT ShowCaptureDialog(HWND, const CaptureDialogDescription& dialog) override {
        captures.push_back(dialog);
        return S_OK;
    }

    HRESULT frameResult = S_OK;
    std::vector<PropertyFrameDescription> frames;
    std::vector<HWND> owners;
    std::vector<OptionPage> configs;
    std::vector<CompressorAboutDescription> abouts;
    std::vector<CaptureDialogDescription> captures;
};

// ---- The enumerator ---------------------------------------------------------------------------

struct MemberScript {
    std::optional<std::string> friendlyName;
    std::optional<std::string> clsid;
    std::optional<std::string> fccHandler;
    bool storageFails = false;
    // The filter object BindToObject hands out; null: binding fails.
    ComPtr<IBaseFilter> filter;
};

inline MemberScript Named(std::string name, ComPtr<IBaseFilter> filter = nullptr) {
    MemberScript member;
    member.friendlyName = std::move(name);
    member.filter = std::move(filter);
    return member;
}

struct EnumLog {
    std::vector<GUID> enumerated;  // categories in the order CreateClassEnumerator saw them
    std::vector<ULONG> skips;
    int binds = 0;
    int storageBinds = 0;
};

class FakeBag : public ComObject<IPropertyBag> {
public:
    explicit FakeBag(const MemberScript& member) : member_(member) {}
    HRESULT Read(const char* name, VARIANT* value, void*) override {
        const std::string key = name;
        const std::optional<std::string>* property = key == "FriendlyName" ? &member_.friendlyName
                                                     : key == "CLSID"      ? &member_.clsid
                                                     : key == "FccHandler" ? &member_.fccHandler
                                                                           : nullptr;
        if (!property || !*property) return E_INVALIDARG;
        *value = **property;
        return S_OK;
    }

private:
    MemberScript member_;
};

class FakeMoniker : public ComObject<IMoniker> {
public:
    FakeMoniker(MemberScript member, EnumLog* log) : member_(std::move(member)), log_(log) {}
    HRESULT BindToObject(void*, IMoniker*, const IID& iid, void** out) override {
        ++log_->binds;
        *out = nullptr;
        if (!member_.filter) return E_FAIL;
        return member_.filter->QueryInterface(iid, out);
    }
    HRESULT BindToStorage(void*, IMoniker*, const IID& iid, void** out) override {
        ++log_->storageBinds;
        *out = nullptr;
        if (member_.storageFails) return E_FAIL;
        return CreateComObject<FakeBag>(iid, out, member_);
    }
    HRESULT IsEqual(IMoniker* other) override { return other == this ? S_OK : S_FALSE; }
    HRESULT GetDisplayName(void*, IMoniker*, std::string*) override { return E_NOTIMPL; }

private:
    MemberScript member_;
    EnumLog* log_;
};

class FakeEnumMoniker : public ComObject<IEnumMoniker> {
public:
    FakeEnumMoniker(std::vector<MemberScript> members, EnumLog* log)
        : members_(std::move(members)), log_(log) {}
    HRESULT Next(ULONG count, IMoniker** monikers, ULONG* fetched) override {
        if (count != 1) return E_INVALIDARG;
        if (fetched) *fetched = 0;
        monikers[0] = nullptr;
        if (position_ >= members_.size()) return S_FALSE;
        monikers[0] = new FakeMoniker(members_[position_++], log_);
        if (fetched) *fetched = 1;
        return S_OK;
    }
    HRESULT Skip(ULONG count) override {
        log_->skips.push_back(count);
        position_ += count;
        return position_ <= members_.size() ? S_OK : S_FALSE;
    }
    HRESULT Reset() override {
        position_ = 0;
        return S_OK;
    }

private:
    std::vector<MemberScript> members_;
    EnumLog* log_;
    size_t position_ = 0;
};

struct CategoryScript {
    HRESULT result = S_OK;
    std::vector<MemberScript> members;
};

class FakeDevEnum : public ComObject<ICreateDevEnum> {
public:
    FakeDevEnum(const std::vector<std::pair<GUID, CategoryScript>>* categories, EnumLog* log)
        : categories_(categories), log_(log) {}
    HRESULT CreateClassEnumerator(const GUID& category, IEnumMoniker** out, uint32_t) override {
        log_->enumerated.push_back(category);
        *out = nullptr;
        for (const auto& [guid, script] : *categories_) {
            if (!IsEqualGUID(guid, category)) continue;
            if (script.result == S_OK) *out = new FakeEnumMoniker(script.members, log_);
            return script.result;
        }
        return S_FALSE;
    }

private:
    const std::vector<std::pair<GUID, CategoryScript>>* categories_;
    EnumLog* log_;
};

// Installs the fake enumerator for one test. `failAfter` makes creations after that many fail.
class FakePlatform {
public:
    FakePlatform()
        : override_(CLSID_SystemDeviceEnum, [this](const IID& iid, void** out) {
              ++creations;
              if (failAfter >= 0 && creations > failAfter) {
                  *out = nullptr;
                  return failure;
              }
              return CreateComObject<FakeDevEnum>(iid, out, &categories, &log);
          }) {}

    CategoryScript& Category(const GUID& guid) {
        for (auto& [key, script] : categories)
            if (IsEqualGUID(key, guid)) return script;
        categories.emplace_back(guid, CategoryScript{});
        return categories.back().second;
    }

    std::vector<std::pair<GUID, CategoryScript>> categories;
    EnumLog log;
    int creations = 0;
    int failAfter = -1;
    HRESULT failure = REGDB_E_CLASSNOTREG;

private:
    ScopedClassOverride override_;
};

}  // namespace fakes
