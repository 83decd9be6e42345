#include "backends/devices/member_moniker.h"

#include <utility>

#include "backends/devices/member_property_bag.h"
#include "platform/com_object.h"
#include "platform/property_bag.h"

namespace lumora::devices {

namespace {

class MemberMoniker : public ComObject<IMoniker> {
public:
    explicit MemberMoniker(DeviceMember member) : member_(std::move(member)) {}

    HRESULT BindToObject(void*, IMoniker*, const IID& iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!member_.createFilter) return E_FAIL;
        return member_.createFilter(iid, out);
    }

    HRESULT BindToStorage(void*, IMoniker*, const IID& iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualGUID(iid, IID_IPropertyBag) && !IsEqualGUID(iid, IID_IUnknown)) return E_NOINTERFACE;
        return CreateMemberPropertyBag(member_, iid, out);
    }

    HRESULT IsEqual(IMoniker* other) override { return other == this ? S_OK : S_FALSE; }
    HRESULT GetDisplayName(void*, IMoniker*, std::string*) override { return E_NOTIMPL; }

private:
    DeviceMember member_;
};

}  // namespace

HRESULT CreateMemberMoniker(DeviceMember member, IMoniker** out) {
    return CreateComObject<MemberMoniker>(IID_IMoniker, reinterpret_cast<void**>(out), std::move(member));
}

}  // namespace lumora::devices
