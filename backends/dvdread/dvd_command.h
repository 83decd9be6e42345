// The command a navigator call hands back: nothing is played, so it has started and ended at once.
#pragma once

#include "platform/com_object.h"
#include "platform/dvd_interfaces.h"

namespace lumora::dvdread {

class DvdCommand : public ComObject<IDvdCmd> {
public:
    HRESULT WaitForStart() override { return S_OK; }
    HRESULT WaitForEnd() override { return S_OK; }
};

}  // namespace lumora::dvdread
