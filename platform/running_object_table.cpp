#include "platform/running_object_table.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ascii.h"
#include "platform/com_object.h"
#include "platform/com_ptr.h"

namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToUpperAscii(x) == ToUpperAscii(y); });
}

bool SameName(IMoniker* a, IMoniker* b) { return a && b && a->IsEqual(b) == S_OK; }

class ItemMoniker : public ComObject<IMoniker> {
public:
    explicit ItemMoniker(std::string displayName) : displayName_(std::move(displayName)) {}

    HRESULT BindToObject(void*, IMoniker*, const IID&, void** out) override { return NotBindable(out); }
    HRESULT BindToStorage(void*, IMoniker*, const IID&, void** out) override { return NotBindable(out); }

    HRESULT IsEqual(IMoniker* other) override {
        if (!other) return E_INVALIDARG;
        std::string otherName;
        if (FAILED(other->GetDisplayName(nullptr, nullptr, &otherName))) return S_FALSE;
        return EqualIgnoringAsciiCase(displayName_, otherName) ? S_OK : S_FALSE;
    }

    HRESULT GetDisplayName(void*, IMoniker*, std::string* name) override {
        if (!name) return E_POINTER;
        *name = displayName_;
        return S_OK;
    }

private:
    static HRESULT NotBindable(void** out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        return E_NOTIMPL;
    }

    std::string displayName_;
};

class RunningObjectTable : public ComObject<IRunningObjectTable> {
public:
    HRESULT Register(DWORD, IUnknown* object, IMoniker* name, DWORD* registration) override {
        if (!registration) return E_POINTER;
        *registration = 0;
        if (!object || !name) return E_INVALIDARG;
        std::lock_guard lock(mutex_);
        const bool known = std::any_of(entries_.begin(), entries_.end(),
                                       [&](const Entry& entry) { return SameName(entry.name.Get(), name); });
        if (++lastRegistration_ == 0) ++lastRegistration_;
        entries_.push_back(
            {lastRegistration_, ComPtr<IUnknown>::Share(object), ComPtr<IMoniker>::Share(name)});
        *registration = lastRegistration_;
        return known ? MK_S_MONIKERALREADYREGISTERED : S_OK;
    }

    HRESULT Revoke(DWORD registration) override {
        Entry revoked;
        {
            std::lock_guard lock(mutex_);
            const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
                return entry.registration == registration;
            });
            if (it == entries_.end()) return E_INVALIDARG;
            revoked = std::move(*it);
            entries_.erase(it);
        }
        // The references go here, outside the lock: the object's release may call back.
        return S_OK;
    }

    HRESULT IsRunning(IMoniker* name) override {
        if (!name) return E_INVALIDARG;
        std::lock_guard lock(mutex_);
        for (const Entry& entry : entries_)
            if (SameName(entry.name.Get(), name)) return S_OK;
        return S_FALSE;
    }

    HRESULT GetObject(IMoniker* name, IUnknown** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (!name) return E_INVALIDARG;
        std::lock_guard lock(mutex_);
        for (const Entry& entry : entries_) {
            if (SameName(entry.name.Get(), name)) {
                *object = ComPtr<IUnknown>(entry.object).Detach();
                return S_OK;
            }
        }
        return MK_E_UNAVAILABLE;
    }

private:
    struct Entry {
        DWORD registration = 0;
        ComPtr<IUnknown> object;
        ComPtr<IMoniker> name;
    };

    std::mutex mutex_;
    std::vector<Entry> entries_;
    DWORD lastRegistration_ = 0;
};

}  // namespace

HRESULT GetRunningObjectTable(DWORD reserved, IRunningObjectTable** table) {
    if (!table) return E_POINTER;
    *table = nullptr;
    if (reserved != 0) return E_INVALIDARG;
    // One table for the life of the process; it is never destroyed, so registrations left at exit
    // are simply not released.
    static IRunningObjectTable* const processTable = [] {
        IRunningObjectTable* created = nullptr;
        CreateComObject<RunningObjectTable>(IID_IRunningObjectTable, reinterpret_cast<void**>(&created));
        return created;
    }();
    if (!processTable) return E_OUTOFMEMORY;
    processTable->AddRef();
    *table = processTable;
    return S_OK;
}

HRESULT CreateItemMoniker(std::string_view delimiter, std::string_view item, IMoniker** moniker) {
    if (!moniker) return E_POINTER;
    *moniker = nullptr;
    std::string displayName;
    displayName.reserve(delimiter.size() + item.size());
    displayName.append(delimiter).append(item);
    return CreateComObject<ItemMoniker>(IID_IMoniker, reinterpret_cast<void**>(moniker),
                                        std::move(displayName));
}
