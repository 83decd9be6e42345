#include "backends/devices/lavfi_members.h"

extern "C" {
#include <libavfilter/avfilter.h>
}

#include "backends/devices/filter_class_ids.h"
#include "backends/devices/lavfi_filter.h"

namespace lumora::devices {

MemberList LavfiFilterMembers() {
    MemberList members;
    void* iterator = nullptr;
    while (const AVFilter* filter = av_filter_iterate(&iterator)) {
        DeviceMember member;
        member.friendlyName = NameWithDescription(filter->name, filter->description);
        member.clsid = CLSID_LavfiFilter;
        member.createFilter = [filter](const IID& iid, void** out) {
            return CreateLavfiFilter(filter, iid, out);
        };
        members.push_back(std::move(member));
    }
    return members;
}

}  // namespace lumora::devices
