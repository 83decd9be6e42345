// The device enumerator module: the system device enumerator and the options page of its codecs
// and filters.
#include "platform/backends/devenum/class_ids.h"
#include "platform/backends/devenum/options_page.h"
#include "platform/backends/devenum/system_device_enum.h"
#include "platform/devenum.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_SystemDeviceEnum, &lumora::devenum::CreateSystemDeviceEnum},
    {&lumora::devenum::CLSID_AVOptionsPage, &lumora::devenum::CreateAVOptionsPage},
};

}  // namespace

LUMORA_MODULE_EXPORT HRESULT LumoraModuleCreateInstance(const CLSID* clsid, const IID* iid, void** out) {
    return CreateModuleClass(kClasses, clsid, iid, out);
}
