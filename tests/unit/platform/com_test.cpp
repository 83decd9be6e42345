#include <gtest/gtest.h>

#include "platform/com.h"
#include "platform/com_object.h"

namespace {

constexpr IID IID_ICounter = MakeGuid("{11111111-2222-3333-4444-555555555555}");
constexpr IID IID_INamed = MakeGuid("{11111111-2222-3333-4444-666666666666}");
constexpr IID IID_INamedMore = MakeGuid("{11111111-2222-3333-4444-777777777777}");
constexpr CLSID CLSID_Thing = MakeGuid("{11111111-2222-3333-4444-888888888888}");

struct ICounter : IUnknown {
    static constexpr const IID& iid = IID_ICounter;
    virtual int Next() = 0;
};
struct INamed : IUnknown {
    static constexpr const IID& iid = IID_INamed;
    virtual const char* Name() = 0;
};
struct INamedMore : INamed {
    static constexpr const IID& iid = IID_INamedMore;
    using Bases = std::tuple<INamed>;
    virtual int More() = 0;
};

int liveThings = 0;

class Thing : public ComObject<ICounter, INamedMore> {
public:
    Thing() { ++liveThings; }
    ~Thing() override { --liveThings; }
    int Next() override { return ++count_; }
    const char* Name() override { return "thing"; }
    int More() override { return 7; }

private:
    int count_ = 0;
};

TEST(ComObject, QueryInterfaceFollowsTheRules) {
    ComPtr<ICounter> counter;
    ASSERT_EQ(CreateComObject<Thing>(ICounter::iid, counter.PutVoid()), S_OK);
    EXPECT_EQ(counter->QueryInterface(IID_ICounter, nullptr), E_POINTER);

    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(counter->QueryInterface(MakeGuid("{99999999-2222-3333-4444-555555555555}"), &out),
              E_NOINTERFACE);
    EXPECT_EQ(out, nullptr) << "a refused query nulls the out pointer";

    ComPtr<INamed> named;
    ASSERT_EQ(counter.As(named), S_OK) << "a base interface answers through its derived one";
    EXPECT_STREQ(named->Name(), "thing");
    ComPtr<INamedMore> more;
    ASSERT_EQ(named.As(more), S_OK);
    EXPECT_EQ(more->More(), 7);

    ComPtr<IUnknown> a, b;
    ASSERT_EQ(counter.As(a), S_OK);
    ASSERT_EQ(more.As(b), S_OK);
    EXPECT_EQ(a.Get(), b.Get()) << "IUnknown identity is the same from every interface";
}

TEST(ComObject, LastReleaseDestroysAndReturnsZero) {
    ICounter* raw = nullptr;
    ASSERT_EQ(CreateComObject<Thing>(ICounter::iid, reinterpret_cast<void**>(&raw)), S_OK);
    EXPECT_EQ(liveThings, 1);
    EXPECT_EQ(raw->AddRef(), 2u);
    EXPECT_EQ(raw->Release(), 1u);
    EXPECT_EQ(raw->Release(), 0u);
    EXPECT_EQ(liveThings, 0);
}

TEST(ComPtr, CopiesShareAndMovesTransferTheReference) {
    {
        ComPtr<ICounter> first;
        ASSERT_EQ(CreateComObject<Thing>(ICounter::iid, first.PutVoid()), S_OK);
        ComPtr<ICounter> copy = first;
        ComPtr<ICounter> moved = std::move(first);
        EXPECT_FALSE(first);
        EXPECT_EQ(copy.Get(), moved.Get());
        copy.Reset();
        EXPECT_EQ(liveThings, 1);
    }
    EXPECT_EQ(liveThings, 0);
}

TEST(CoCreateInstance, UnknownClassIsNotRegistered) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(CLSID_Thing, nullptr, CLSCTX_INPROC, IID_ICounter, &out), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(out, nullptr);
}

TEST(CoCreateInstance, OverridesNestAndUndoInOrder) {
    auto make = [](int start) {
        return [start](const IID& iid, void** out) {
            const HRESULT hr = CreateComObject<Thing>(iid, out);
            if (SUCCEEDED(hr) && IsEqualGUID(iid, IID_ICounter))
                for (int i = 0; i < start; ++i)
                    static_cast<ICounter*>(*out)->Next();
            return hr;
        };
    };
    ComPtr<ICounter> counter;
    {
        ScopedClassOverride outer(CLSID_Thing, make(0));
        {
            ScopedClassOverride inner(CLSID_Thing, make(10));
            ASSERT_EQ(CoCreateInstance(CLSID_Thing, counter), S_OK);
            EXPECT_EQ(counter->Next(), 11);
        }
        ASSERT_EQ(CoCreateInstance(CLSID_Thing, counter), S_OK);
        EXPECT_EQ(counter->Next(), 1);
    }
    counter.Reset();
    EXPECT_EQ(CoCreateInstance(CLSID_Thing, counter), REGDB_E_CLASSNOTREG);
}

TEST(CoCreateInstance, RefusesAggregationAndNullOut) {
    ScopedClassOverride thing(CLSID_Thing,
                              [](const IID& iid, void** out) { return CreateComObject<Thing>(iid, out); });
    ComPtr<ICounter> counter;
    ASSERT_EQ(CoCreateInstance(CLSID_Thing, counter), S_OK);
    void* out = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_Thing, counter.Get(), CLSCTX_INPROC, IID_ICounter, &out),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(CoCreateInstance(CLSID_Thing, nullptr, CLSCTX_INPROC, IID_ICounter, nullptr), E_POINTER);
}

TEST(CoInitialize, FirstCallOkLaterCallsFalse) {
    const HRESULT first = CoInitialize(nullptr);
    EXPECT_TRUE(first == S_OK || first == S_FALSE);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    CoUninitialize();
    CoUninitialize();
}

}  // namespace
