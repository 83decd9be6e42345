// The component-object library: initialisation, object creation over the class registry,
// task memory and identifier parsing.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/com_ptr.h"
#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/unknown.h"

inline constexpr uint32_t CLSCTX_INPROC_SERVER = 0x1;
inline constexpr uint32_t CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr uint32_t CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;

// S_OK the first time on a thread, S_FALSE when already initialised.
HRESULT CoInitialize(void* reserved);
void CoUninitialize();

// Makes an object of a registered class, loading the backend module that serves it on the first
// request. REGDB_E_CLASSNOTREG for an unknown class or one whose module is missing or cannot be
// loaded, CLASS_E_NOAGGREGATION for a non-null outer object.
HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, uint32_t context, const IID& iid, void** out);

template <ComInterface T>
HRESULT CoCreateInstance(const CLSID& clsid, ComPtr<T>& out) {
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC, T::iid, out.PutVoid());
}

void* CoTaskMemAlloc(size_t size);
void CoTaskMemFree(void* block);

// Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; CO_E_CLASSSTRING and GUID_NULL otherwise.
HRESULT CLSIDFromString(std::string_view text, CLSID* clsid);

// Whether objects of the class can be made, loading its module when needed: S_OK, or
// REGDB_E_CLASSNOTREG with the reason (no module serves the class, or the module's path and why
// it cannot be loaded) in *reason when reason is not null.
HRESULT CoLoadClassModule(const CLSID& clsid, std::string* reason);

// Makes an object of the class and hands out the interface asked for.
using ClassFactory = std::function<HRESULT(const IID& iid, void** out)>;

// Replaces a class's factory for the lifetime of this object; nests, last one wins.
class ScopedClassOverride {
public:
    ScopedClassOverride(const CLSID& clsid, ClassFactory factory);
    ~ScopedClassOverride();
    ScopedClassOverride(const ScopedClassOverride&) = delete;
    ScopedClassOverride& operator=(const ScopedClassOverride&) = delete;

private:
    size_t slot_;
};
