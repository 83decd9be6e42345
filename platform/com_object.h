// The implementation side of a component object: reference count and QueryInterface over the
// interfaces it implements. Each interface lists the identifiers it answers to: its own and those
// of the interfaces it derives from (declared as `using Bases = ...` where it has any).
#pragma once

#include <atomic>
#include <tuple>
#include <type_traits>

#include "platform/unknown.h"

namespace lumora::detail {

template <class Interface, class = void>
struct BasesOf {
    using type = std::tuple<>;
};
template <class Interface>
struct BasesOf<Interface, std::void_t<typename Interface::Bases>> {
    using type = typename Interface::Bases;
};

template <class Interface, class... Bases>
bool AnswersTo(const IID& iid, std::tuple<Bases...>*) {
    return IsEqualGUID(iid, Interface::iid) || (IsEqualGUID(iid, Bases::iid) || ...);
}

}  // namespace lumora::detail

template <ComInterface... Interfaces>
class ComObject : public Interfaces... {
public:
    HRESULT QueryInterface(const IID& iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualGUID(iid, IID_IUnknown)) {
            *out = static_cast<IUnknown*>(static_cast<FirstInterface*>(this));
        } else {
            (TryInterface<Interfaces>(iid, out) || ...);
        }
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    using FirstInterface = std::tuple_element_t<0, std::tuple<Interfaces...>>;

    template <class Interface>
    bool TryInterface(const IID& iid, void** out) {
        using Bases = typename lumora::detail::BasesOf<Interface>::type;
        if (!lumora::detail::AnswersTo<Interface>(iid, static_cast<Bases*>(nullptr))) return false;
        *out = static_cast<Interface*>(this);
        return true;
    }

    std::atomic<ULONG> references_{1};
};

// Creates an object with its first reference and queries the wanted interface from it.
template <class Object, class... Args>
HRESULT CreateComObject(const IID& iid, void** out, Args&&... args) {
    if (!out) return E_POINTER;
    *out = nullptr;
    auto* object = new Object(std::forward<Args>(args)...);
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}
