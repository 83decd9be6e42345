// The filter object of a libavfilter filter: a block of the filter's private options holding the
// class's defaults, listed and edited by its property page.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

struct AVFilter;

namespace lumora::devices {

// E_OUTOFMEMORY when the options block cannot be made.
HRESULT CreateLavfiFilter(const AVFilter* filter, const IID& iid, void** out);

}  // namespace lumora::devices
