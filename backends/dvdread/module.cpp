// The DVD navigator module.
#include "backends/dvdread/dvd_graph_builder.h"
#include "platform/class_ids.h"
#include "platform/module_entry.h"

namespace {

constexpr ModuleClass kClasses[] = {
    {&CLSID_DvdGraphBuilder, &lumora::dvdread::CreateDvdGraphBuilder},
};

}  // namespace

LUMORA_MODULE_ENTRY(kClasses)
