#include "catalogue/kx_sys_dev_enum.h"

#include <stdexcept>
#include <variant>

#include "catalogue/ole_sys_error.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "platform/property_bag.h"
#include "platform/utf8.h"

namespace {

// No real category comes near this; it keeps a broken enumerator from growing the list for ever.
constexpr int32_t kMaxEntries = 100000;

// Reads the property as text; false when the read failed.
bool ReadText(IPropertyBag* bag, const char* name, std::string& text) {
    VARIANT value;
    if (FAILED(bag->Read(name, &value, nullptr))) return false;
    if (const auto* string = std::get_if<std::string>(&value)) {
        text = *string;
    } else if (const auto* number = std::get_if<int32_t>(&value)) {
        text = std::to_string(*number);
    } else {
        text.clear();
    }
    return true;
}

TDeviceEntry ReadEntry(IMoniker* moniker) {
    TDeviceEntry entry;
    ComPtr<IPropertyBag> bag;
    if (!moniker || FAILED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, bag.PutVoid())) || !bag)
        return entry;
    std::string text;
    if (ReadText(bag.Get(), "FriendlyName", text))
        entry.FriendlyName = Utf8Prefix(text, TKxSysDevEnum::kMaxNameLength);
    if (ReadText(bag.Get(), "CLSID", text)) CLSIDFromString(text, &entry.CLSID);
    if (ReadText(bag.Get(), "FccHandler", text))
        entry.FccHandler = Utf8Prefix(text, TKxSysDevEnum::kMaxNameLength);
    return entry;
}

}  // namespace

TKxSysDevEnum::TKxSysDevEnum() = default;

TKxSysDevEnum::TKxSysDevEnum(const GUID& category) { SelectCategory(category); }

void TKxSysDevEnum::SelectCategory(const GUID& category) {
    FCategory = category;
    FEntries.clear();
    ComPtr<ICreateDevEnum> devEnum;
    const HRESULT hr = CoCreateInstance(CLSID_SystemDeviceEnum, devEnum);
    if (FAILED(hr)) throw EOleSysError(hr, "The system device enumerator cannot be created");
    if (!devEnum) throw EOleSysError(E_POINTER, "The system device enumerator cannot be created");

    ComPtr<IEnumMoniker> monikers;
    if (devEnum->CreateClassEnumerator(category, monikers.Put(), 0) != S_OK || !monikers) return;
    ComPtr<IMoniker> moniker;
    ULONG fetched = 0;
    while (EntryCount() < kMaxEntries && monikers->Next(1, moniker.Put(), &fetched) == S_OK) {
        FEntries.push_back(ReadEntry(moniker.Get()));
        moniker.Reset();
    }
}

void TKxSysDevEnum::GetEntry(int32_t index, TDeviceEntry& entry) const {
    if (index < 0 || index >= EntryCount())
        throw std::out_of_range("TKxSysDevEnum::GetEntry: index out of range");
    entry = FEntries[static_cast<size_t>(index)];
}

int32_t TKxSysDevEnum::FindEntry(std::string_view name) const {
    for (int32_t i = EntryCount() - 1; i >= 0; --i)
        if (SameTextIgnoringCase(FEntries[static_cast<size_t>(i)].FriendlyName, name)) return i;
    return -1;
}

void TKxSysDevEnum::CreateEntryFilter(int32_t index, ComPtr<IBaseFilter>& filter) const {
    filter.Reset();
    if (index < 0 || index >= EntryCount()) return;
    ComPtr<ICreateDevEnum> devEnum;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, devEnum)) || !devEnum) return;
    ComPtr<IEnumMoniker> monikers;
    if (devEnum->CreateClassEnumerator(FCategory, monikers.Put(), 0) != S_OK || !monikers) return;
    // A member that left since the list was read makes Next fail below.
    monikers->Skip(static_cast<ULONG>(index));
    ComPtr<IMoniker> moniker;
    if (monikers->Next(1, moniker.Put(), nullptr) != S_OK || !moniker) return;
    if (FAILED(moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter, filter.PutVoid()))) filter.Reset();
}
