// A module for the loader's tests: it serves one class, whose objects count how many live.
#include "platform/com_object.h"
#include "platform/module_entry.h"

namespace {

constexpr CLSID CLSID_TestThing = MakeGuid("{5E7A1B2C-0D3E-4F50-8617-28394A5B6C7D}");

class TestThing : public ComObject<IUnknown> {};

HRESULT CreateTestThing(const IID& iid, void** out) { return CreateComObject<TestThing>(iid, out); }

constexpr ModuleClass kClasses[] = {{&CLSID_TestThing, &CreateTestThing}};

}  // namespace

LUMORA_MODULE_EXPORT HRESULT LumoraModuleCreateInstance(const CLSID* clsid, const IID* iid, void** out) {
    return CreateModuleClass(kClasses, clsid, iid, out);
}
