#include "backends/devices/member_enumerator.h"

#include <utility>

#include "backends/devices/member_moniker.h"
#include "platform/com_object.h"

namespace lumora::devices {

namespace {

class MemberEnumerator : public ComObject<IEnumMoniker> {
public:
    explicit MemberEnumerator(MemberList members) : members_(std::move(members)) {}

    HRESULT Next(ULONG count, IMoniker** monikers, ULONG* fetched) override {
        if (fetched) *fetched = 0;
        if (!monikers) return E_POINTER;
        if (count > 1 && !fetched) return E_INVALIDARG;
        for (ULONG i = 0; i < count; ++i)
            monikers[i] = nullptr;
        ULONG delivered = 0;
        while (delivered < count && position_ < members_.size()) {
            const HRESULT hr = CreateMemberMoniker(members_[position_], &monikers[delivered]);
            if (FAILED(hr)) {
                for (ULONG i = 0; i < delivered; ++i) {
                    monikers[i]->Release();
                    monikers[i] = nullptr;
                }
                return hr;
            }
            ++position_;
            ++delivered;
        }
        if (fetched) *fetched = delivered;
        return delivered == count ? S_OK : S_FALSE;
    }

    HRESULT Skip(ULONG count) override {
        const size_t left = members_.size() - position_;
        if (count > left) {
            position_ = members_.size();
            return S_FALSE;
        }
        position_ += count;
        return S_OK;
    }

    HRESULT Reset() override {
        position_ = 0;
        return S_OK;
    }

private:
    MemberList members_;
    size_t position_ = 0;
};

}  // namespace

HRESULT CreateMemberEnumerator(MemberList members, IEnumMoniker** out) {
    return CreateComObject<MemberEnumerator>(IID_IEnumMoniker, reinterpret_cast<void**>(out),
                                             std::move(members));
}

}  // namespace lumora::devices
