#include "platform/com.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/class_table.h"
#include "platform/module_loader.h"

namespace {

thread_local int initialisations = 0;

struct Override {
    CLSID clsid;
    ClassFactory factory;
    bool active;
};

std::vector<Override>& Overrides() {
    static std::vector<Override> overrides;
    return overrides;
}

const ClassFactory* FindOverride(const CLSID& clsid) {
    const auto& overrides = Overrides();
    for (auto it = overrides.rbegin(); it != overrides.rend(); ++it)
        if (it->active && IsEqualGUID(it->clsid, clsid)) return &it->factory;
    return nullptr;
}

ModuleLoader& Modules() {
    static ModuleLoader modules(PlatformModuleFolder());
    return modules;
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

}  // namespace

HRESULT CoInitialize(void*) { return initialisations++ == 0 ? S_OK : S_FALSE; }

void CoUninitialize() {
    if (initialisations > 0) --initialisations;
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, uint32_t, const IID& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (const ClassFactory* factory = FindOverride(clsid)) return (*factory)(iid, out);
    const RegisteredClass* entry = FindRegisteredClass(clsid);
    if (!entry) return REGDB_E_CLASSNOTREG;
    return Modules().CreateInstance(entry->module, clsid, iid, out);
}

HRESULT CoLoadClassModule(const CLSID& clsid, std::string* reason) {
    if (reason) reason->clear();
    if (FindOverride(clsid)) return S_OK;
    const RegisteredClass* entry = FindRegisteredClass(clsid);
    if (!entry) {
        if (reason) *reason = GuidToString(clsid) + ": no module serves this class";
        return REGDB_E_CLASSNOTREG;
    }
    return Modules().Load(entry->module, reason);
}

void* CoTaskMemAlloc(size_t size) { return std::malloc(size); }
void CoTaskMemFree(void* block) { std::free(block); }

HRESULT CLSIDFromString(std::string_view text, CLSID* clsid) {
    if (!clsid) return E_INVALIDARG;
    *clsid = GUID_NULL;
    constexpr std::string_view shape = "{........-....-....-....-............}";
    if (text.size() != shape.size()) return CO_E_CLASSSTRING;
    uint8_t bytes[16];
    int nibbles = 0;
    for (size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] != '.') {
            if (text[i] != shape[i]) return CO_E_CLASSSTRING;
            continue;
        }
        const auto digit = HexDigit(text[i]);
        if (!digit) return CO_E_CLASSSTRING;
        if (nibbles % 2 == 0)
            bytes[nibbles / 2] = static_cast<uint8_t>(*digit << 4);
        else
            bytes[nibbles / 2] |= static_cast<uint8_t>(*digit);
        ++nibbles;
    }
    // The text is big-endian throughout; the first three fields are stored little-endian.
    clsid->Data1 = uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
    clsid->Data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    clsid->Data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i)
        clsid->Data4[i] = bytes[8 + i];
    return S_OK;
}

ScopedClassOverride::ScopedClassOverride(const CLSID& clsid, ClassFactory factory)
    : slot_(Overrides().size()) {
    Overrides().push_back({clsid, std::move(factory), true});
}

ScopedClassOverride::~ScopedClassOverride() {
    auto& overrides = Overrides();
    overrides[slot_].active = false;
    while (!overrides.empty() && !overrides.back().active)
        overrides.pop_back();
}
