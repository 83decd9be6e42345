#include "backends/devices/dvb_tuners.h"

#include <linux/dvb/frontend.h>
#include <sys/ioctl.h>

#include <string_view>

#include "backends/devices/device_filter.h"
#include "backends/devices/device_node.h"
#include "backends/devices/filter_class_ids.h"
#include "platform/utf8.h"

namespace lumora::devices {

MemberList DvbTunerMembers(const std::string& folder) {
    MemberList members;
    for (const std::string& adapter : NumberedEntries(folder, "adapter")) {
        for (const std::string& path : NumberedEntries(adapter, "frontend")) {
            const DeviceNode node(path, false);
            dvb_frontend_info info{};
            if (!node.Control(FE_GET_INFO, &info)) continue;
            const std::string name = CleanDeviceText(std::string_view(info.name, sizeof info.name));
            members.push_back(DeviceFilterMember(name, CLSID_TunerFilter));
        }
    }
    return members;
}

}  // namespace lumora::devices
