// The DVD navigator module.
#include "platform/backends/dvdread/dvd_graph_builder.h"
#include "platform/dvd_interfaces.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_DvdGraphBuilder, &lumora::dvdread::CreateDvdGraphBuilder},
};

}  // namespace

LUMORA_MODULE_EXPORT HRESULT LumoraModuleCreateInstance(const CLSID* clsid, const IID* iid, void** out) {
    return CreateModuleClass(kClasses, clsid, iid, out);
}
