#include "backends/devices/member_property_bag.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com_object.h"
#include "platform/property_bag.h"

namespace lumora::devices {

namespace {

class MemberPropertyBag : public ComObject<IPropertyBag> {
public:
    explicit MemberPropertyBag(const DeviceMember& member) {
        properties_.emplace_back("FriendlyName", member.friendlyName);
        properties_.emplace_back("CLSID", GuidToString(member.clsid));
        if (!member.fccHandler.empty()) properties_.emplace_back("FccHandler", member.fccHandler);
    }

    HRESULT Read(const char* name, VARIANT* value, void*) override {
        if (!name || !value) return E_POINTER;
        for (const auto& [key, text] : properties_) {
            if (key == name) {
                *value = text;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }

private:
    std::vector<std::pair<std::string_view, std::string>> properties_;
};

}  // namespace

HRESULT CreateMemberPropertyBag(const DeviceMember& member, const IID& iid, void** out) {
    return CreateComObject<MemberPropertyBag>(iid, out, member);
}

}  // namespace lumora::devices
