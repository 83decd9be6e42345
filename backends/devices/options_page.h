// The property page that lists and edits the AVOptions of a codec's or filter's private class.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"
#include "platform/property_pages.h"

struct AVClass;

namespace lumora::devices {

HRESULT CreateAVOptionsPage(const IID& iid, void** out);

// GetPages of a filter object whose options have this class: the options page when the class or
// one of its child classes has a user option, no page otherwise.
HRESULT OptionsPageList(const AVClass* optionsClass, CAUUID* pages);

}  // namespace lumora::devices
