#include "backends/devices/v4l2_devices.h"

#include <linux/videodev2.h>
#include <sys/ioctl.h>

#include <cstdint>
#include <string_view>

#include "backends/devices/device_filter.h"
#include "backends/devices/device_node.h"
#include "backends/devices/filter_class_ids.h"
#include "backends/devices/v4l2_capture_filter.h"
#include "platform/utf8.h"
#include "platform/vfw_dialogs.h"

namespace lumora::devices {

namespace {

template <size_t N>
std::string FixedText(const uint8_t (&bytes)[N]) {
    return CleanDeviceText(std::string_view(reinterpret_cast<const char*>(bytes), N));
}

// What this node can do: drivers that tell the node's capabilities apart from the whole
// device's report them in device_caps.
uint32_t NodeCaps(const v4l2_capability& capability) {
    return (capability.capabilities & V4L2_CAP_DEVICE_CAPS) ? capability.device_caps
                                                            : capability.capabilities;
}

struct V4L2Device {
    std::string path;
    std::string card;
    uint32_t caps = 0;
};

std::vector<V4L2Device> ScanDevices(const std::string& folder) {
    std::vector<V4L2Device> devices;
    for (const std::string& path : NumberedEntries(folder, "video")) {
        const DeviceNode node(path, true);
        v4l2_capability capability{};
        if (!node.Control(VIDIOC_QUERYCAP, &capability)) continue;
        V4L2Device device;
        device.path = path;
        device.card = FixedText(capability.card);
        device.caps = NodeCaps(capability);
        devices.push_back(std::move(device));
    }
    return devices;
}

bool CapturesVideo(uint32_t caps) { return caps & (V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_VIDEO_CAPTURE_MPLANE); }

uint32_t CaptureBufferType(const DeviceNode& node) {
    v4l2_capability capability{};
    if (!node.Control(VIDIOC_QUERYCAP, &capability)) return V4L2_BUF_TYPE_VIDEO_CAPTURE;
    const uint32_t caps = NodeCaps(capability);
    return (caps & V4L2_CAP_VIDEO_CAPTURE) || !(caps & V4L2_CAP_VIDEO_CAPTURE_MPLANE)
               ? V4L2_BUF_TYPE_VIDEO_CAPTURE
               : V4L2_BUF_TYPE_VIDEO_CAPTURE_MPLANE;
}

std::string FourCCText(uint32_t code) {
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto byte = static_cast<char>((code >> shift) & 0xFF);
        text += (byte >= 0x20 && byte < 0x7F) ? byte : '?';
    }
    return text;
}

std::string SizeText(uint32_t width, uint32_t height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

std::string FrameSizes(const DeviceNode& node, uint32_t pixelFormat) {
    std::string sizes;
    // A broken driver could list sizes for ever; a device never has this many.
    for (uint32_t index = 0; index < 256; ++index) {
        v4l2_frmsizeenum size{};
        size.index = index;
        size.pixel_format = pixelFormat;
        if (!node.Control(VIDIOC_ENUM_FRAMESIZES, &size)) break;
        if (!sizes.empty()) sizes += ", ";
        if (size.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
            sizes += SizeText(size.discrete.width, size.discrete.height);
        } else {
            sizes += SizeText(size.stepwise.min_width, size.stepwise.min_height) + " \u2013 " +
                     SizeText(size.stepwise.max_width, size.stepwise.max_height);
            break;
        }
    }
    return sizes;
}

const char* InputType(uint32_t type) {
    switch (type) {
        case V4L2_INPUT_TYPE_TUNER: return "tuner";
        case V4L2_INPUT_TYPE_CAMERA: return "camera";
        case V4L2_INPUT_TYPE_TOUCH: return "touch";
        default: return "other";
    }
}

std::string InputStatus(uint32_t status) {
    if (status == 0) return "ok";
    std::string text;
    const auto add = [&text](const char* word) {
        if (!text.empty()) text += ", ";
        text += word;
    };
    if (status & V4L2_IN_ST_NO_POWER) add("no power");
    if (status & V4L2_IN_ST_NO_SIGNAL) add("no signal");
    if (status & V4L2_IN_ST_NO_COLOR) add("no colour");
    if (text.empty()) add("not ready");
    return text;
}

const char* ControlType(uint32_t type) {
    switch (type) {
        case V4L2_CTRL_TYPE_INTEGER: return "integer";
        case V4L2_CTRL_TYPE_BOOLEAN: return "boolean";
        case V4L2_CTRL_TYPE_MENU: return "menu";
        case V4L2_CTRL_TYPE_INTEGER_MENU: return "integer menu";
        case V4L2_CTRL_TYPE_BUTTON: return "button";
        case V4L2_CTRL_TYPE_INTEGER64: return "integer64";
        case V4L2_CTRL_TYPE_STRING: return "string";
        case V4L2_CTRL_TYPE_BITMASK: return "bitmask";
        default: return "other";
    }
}

bool HasCurrentValue(uint32_t type) {
    return type == V4L2_CTRL_TYPE_INTEGER || type == V4L2_CTRL_TYPE_BOOLEAN || type == V4L2_CTRL_TYPE_MENU ||
           type == V4L2_CTRL_TYPE_INTEGER_MENU || type == V4L2_CTRL_TYPE_BITMASK;
}

// Calls `each` for every enabled control; stops when `each` returns false.
template <class Each>
void ForEachControl(const DeviceNode& node, Each each) {
    v4l2_queryctrl control{};
    control.id = V4L2_CTRL_FLAG_NEXT_CTRL;
    for (int count = 0; count < 1024 && node.Control(VIDIOC_QUERYCTRL, &control); ++count) {
        if (!(control.flags & V4L2_CTRL_FLAG_DISABLED) && control.type != V4L2_CTRL_TYPE_CTRL_CLASS)
            if (!each(control)) return;
        control.id |= V4L2_CTRL_FLAG_NEXT_CTRL;
    }
}

void DescribeSources(const DeviceNode& node, CaptureDialogDescription& description) {
    description.columns = {"Input", "Name", "Type", "Status"};
    for (uint32_t index = 0; index < 256; ++index) {
        v4l2_input input{};
        input.index = index;
        if (!node.Control(VIDIOC_ENUMINPUT, &input)) break;
        description.rows.push_back(
            {std::to_string(index), FixedText(input.name), InputType(input.type), InputStatus(input.status)});
    }
}

void DescribeFormats(const DeviceNode& node, CaptureDialogDescription& description) {
    description.columns = {"FourCC", "Format", "Frame sizes"};
    const uint32_t bufferType = CaptureBufferType(node);
    for (uint32_t index = 0; index < 256; ++index) {
        v4l2_fmtdesc format{};
        format.index = index;
        format.type = bufferType;
        if (!node.Control(VIDIOC_ENUM_FMT, &format)) break;
        description.rows.push_back({FourCCText(format.pixelformat), FixedText(format.description),
                                    FrameSizes(node, format.pixelformat)});
    }
}

void DescribeControls(const DeviceNode& node, CaptureDialogDescription& description) {
    description.columns = {"Control", "Type", "Minimum", "Maximum", "Step", "Default", "Current"};
    ForEachControl(node, [&](const v4l2_queryctrl& control) {
        std::string current;
        if (HasCurrentValue(control.type)) {
            v4l2_control value{};
            value.id = control.id;
            if (node.Control(VIDIOC_G_CTRL, &value)) current = std::to_string(value.value);
        }
        description.rows.push_back({FixedText(control.name), ControlType(control.type),
                                    std::to_string(control.minimum), std::to_string(control.maximum),
                                    std::to_string(control.step), std::to_string(control.default_value),
                                    current});
        return true;
    });
}

}  // namespace

MemberList V4L2CaptureMembers(const std::string& folder) {
    MemberList members;
    for (V4L2Device& device : ScanDevices(folder)) {
        if (!CapturesVideo(device.caps)) continue;
        DeviceMember member;
        member.friendlyName = device.card;
        member.clsid = CLSID_V4L2CaptureFilter;
        member.createFilter = [path = device.path, name = device.card](const IID& iid, void** out) {
            return CreateV4L2CaptureFilter(path, name, iid, out);
        };
        members.push_back(std::move(member));
    }
    return members;
}

MemberList V4L2TunerMembers(const std::string& folder) {
    MemberList members;
    for (const V4L2Device& device : ScanDevices(folder))
        if (device.caps & V4L2_CAP_TUNER)
            members.push_back(DeviceFilterMember(device.card, CLSID_TunerFilter));
    return members;
}

HRESULT V4L2HasDialog(const std::string& path, int dialog) {
    if (dialog != VfwCaptureDialog_Source && dialog != VfwCaptureDialog_Format &&
        dialog != VfwCaptureDialog_Display)
        return E_INVALIDARG;
    const DeviceNode node(path, true);
    if (!node.IsOpen()) return E_FAIL;
    bool has = false;
    if (dialog == VfwCaptureDialog_Source) {
        v4l2_input input{};
        has = node.Control(VIDIOC_ENUMINPUT, &input);
    } else if (dialog == VfwCaptureDialog_Format) {
        v4l2_fmtdesc format{};
        format.type = CaptureBufferType(node);
        has = node.Control(VIDIOC_ENUM_FMT, &format);
    } else {
        ForEachControl(node, [&has](const v4l2_queryctrl&) {
            has = true;
            return false;
        });
    }
    return has ? S_OK : S_FALSE;
}

HRESULT V4L2DescribeDialog(const std::string& path, const std::string& deviceName, int dialog,
                           CaptureDialogDescription* description) {
    if (!description) return E_POINTER;
    const DeviceNode node(path, true);
    if (!node.IsOpen()) return E_FAIL;
    *description = {};
    description->dialog = dialog;
    switch (dialog) {
        case VfwCaptureDialog_Source:
            description->caption = deviceName + ": video source";
            DescribeSources(node, *description);
            return S_OK;
        case VfwCaptureDialog_Format:
            description->caption = deviceName + ": video format";
            DescribeFormats(node, *description);
            return S_OK;
        case VfwCaptureDialog_Display:
            description->caption = deviceName + ": video display";
            DescribeControls(node, *description);
            return S_OK;
        default: return E_INVALIDARG;
    }
}

}  // namespace lumora::devices
