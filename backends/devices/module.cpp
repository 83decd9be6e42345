// The device enumerator module: the system device enumerator and the options page of its codecs
// and filters.
#include "backends/devices/options_page.h"
#include "backends/devices/system_device_enum.h"
#include "platform/class_ids.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_SystemDeviceEnum, &lumora::devices::CreateSystemDeviceEnum},
    {&CLSID_AVOptionsPage, &lumora::devices::CreateAVOptionsPage},
};

}  // namespace

LUMORA_MODULE_ENTRY(kClasses)
