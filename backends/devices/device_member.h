// One member of a filter category as the enumerator hands it out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/guid.h"
#include "platform/hresult.h"

namespace lumora::devices {

struct DeviceMember {
    std::string friendlyName;  // UTF-8
    CLSID clsid{};
    std::string fccHandler;  // empty: the member has no "FccHandler" property
    // Makes the member's filter object and hands out the interface asked for.
    std::function<HRESULT(const IID& iid, void** out)> createFilter;
};

using MemberList = std::vector<DeviceMember>;

// "name — description" (an em dash between spaces), or the name alone when there is no
// description.
inline std::string NameWithDescription(const char* name, const char* description) {
    std::string text = name ? name : "";
    if (description && *description) {
        text += " \u2014 ";
        text += description;
    }
    return text;
}

}  // namespace lumora::devices
