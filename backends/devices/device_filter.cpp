#include "backends/devices/device_filter.h"

#include <utility>

#include "platform/base_filter.h"
#include "platform/com_object.h"

namespace lumora::devices {

namespace {

class DeviceFilter : public ComObject<IBaseFilter> {
public:
    explicit DeviceFilter(std::string name) : name_(std::move(name)) {}

    HRESULT QueryFilterInfo(FILTER_INFO* info) override {
        if (!info) return E_POINTER;
        info->achName = name_;
        info->pGraph = nullptr;
        return S_OK;
    }

private:
    std::string name_;
};

}  // namespace

HRESULT CreateDeviceFilter(std::string name, const IID& iid, void** out) {
    return CreateComObject<DeviceFilter>(iid, out, std::move(name));
}

DeviceMember DeviceFilterMember(const std::string& name, const CLSID& clsid) {
    DeviceMember member;
    member.friendlyName = name;
    member.clsid = clsid;
    member.createFilter = [name](const IID& iid, void** out) { return CreateDeviceFilter(name, iid, out); };
    return member;
}

}  // namespace lumora::devices
