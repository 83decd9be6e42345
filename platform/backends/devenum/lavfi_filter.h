// The filter object of a libavfilter filter: an instance in a graph of its own (not
// initialised, so it holds the filter's defaults) whose private options are its property page.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

struct AVFilter;

namespace lumora::devenum {

// E_OUTOFMEMORY when the instance cannot be made.
HRESULT CreateLavfiFilter(const AVFilter* filter, const IID& iid, void** out);

}  // namespace lumora::devenum
