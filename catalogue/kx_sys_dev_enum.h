// TKxSysDevEnum: a snapshot of the members of one filter category of the platform's system
// device enumerator, with lookup by name and instantiation of a member as a filter object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base_filter.h"
#include "platform/com_ptr.h"
#include "platform/guid.h"

// One member of a category.
struct TDeviceEntry {
    std::string FriendlyName;  // UTF-8, at most 255 characters; empty when the member has none
    GUID CLSID{};              // all zero when the member has none or it does not parse
    std::string FccHandler;    // like FriendlyName; empty when the member has none
};

class TKxSysDevEnum {
public:
    // Longest name kept, in characters.
    static constexpr size_t kMaxNameLength = 255;

    // No category selected, no entries.
    TKxSysDevEnum();
    // As the default constructor, then SelectCategory.
    explicit TKxSysDevEnum(const GUID& category);

    // Reads the category's current members into the entries, replacing what was there. A
    // category the platform does not know, or one without members, gives no entries. Throws
    // EOleSysError when the system device enumerator cannot be created. A member whose
    // property store cannot be obtained is listed with empty fields, so that the indices stay
    // those of the platform's enumeration.
    void SelectCategory(const GUID& category);

    const GUID& Category() const { return FCategory; }
    int32_t EntryCount() const { return static_cast<int32_t>(FEntries.size()); }
    // Copies entry `index`; std::out_of_range outside 0 .. EntryCount() − 1.
    void GetEntry(int32_t index, TDeviceEntry& entry) const;
    // The highest index whose FriendlyName equals the name ignoring letter case, or -1.
    int32_t FindEntry(std::string_view name) const;
    // Instantiates member `index` of a fresh enumeration of the category; `filter` is null when
    // the index is out of range or the platform delivers no filter object.
    void CreateEntryFilter(int32_t index, ComPtr<IBaseFilter>& filter) const;

private:
    GUID FCategory{};
    std::vector<TDeviceEntry> FEntries;
};
