// The property page that lists and edits the AVOptions of a codec's or filter's private class.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::devenum {

HRESULT CreateAVOptionsPage(const IID& iid, void** out);

}  // namespace lumora::devenum
