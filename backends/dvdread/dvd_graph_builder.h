// The DVD graph builder over libdvdread: the navigator answers from the volume's IFO files; no
// VOB is read and nothing is played.
#pragma once

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::dvdread {

HRESULT CreateDvdGraphBuilder(const IID& iid, void** out);

}  // namespace lumora::dvdread
