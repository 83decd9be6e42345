// Video4Linux2 devices: capture devices, devices with a tuner, and what their capture dialogs
// show.
#pragma once

#include <string>

#include "backends/devices/device_member.h"
#include "platform/dialog_host.h"

namespace lumora::devices {

// Members for the /dev/videoN nodes (of `folder`, /dev by default) that can capture video or
// have a tuner, by node number. Nodes that cannot be opened are left out.
MemberList V4L2CaptureMembers(const std::string& folder = "/dev");
MemberList V4L2TunerMembers(const std::string& folder = "/dev");

// S_OK when the device offers the dialog (VfwCaptureDialog_Source: inputs, _Format: capture
// formats, _Display: controls), S_FALSE when not, E_FAIL when it cannot be opened,
// E_INVALIDARG for another number.
HRESULT V4L2HasDialog(const std::string& path, int dialog);
// What the dialog shows; E_FAIL when the device cannot be opened.
HRESULT V4L2DescribeDialog(const std::string& path, const std::string& deviceName, int dialog,
                           CaptureDialogDescription* description);

}  // namespace lumora::devices
