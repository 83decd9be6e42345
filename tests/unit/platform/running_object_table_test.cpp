#include "platform/running_object_table.h"

#include <gtest/gtest.h>

#include "platform/com_object.h"
#include "platform/com_ptr.h"
#include "platform/hidden_window.h"

namespace {

class Thing : public ComObject<IUnknown> {};

ComPtr<IMoniker> Item(std::string_view item) {
    ComPtr<IMoniker> moniker;
    EXPECT_EQ(CreateItemMoniker("!", item, moniker.Put()), S_OK);
    return moniker;
}

TEST(ItemMoniker, ItsNameIsTheDelimiterAndTheItemInAnyCase) {
    const ComPtr<IMoniker> moniker = Item("FilterGraph 0A1B2C3D pid 1F");
    std::string name;
    ASSERT_EQ(moniker->GetDisplayName(nullptr, nullptr, &name), S_OK);
    EXPECT_EQ(name, "!FilterGraph 0A1B2C3D pid 1F");
    EXPECT_EQ(moniker->IsEqual(Item("filtergraph 0a1b2c3d PID 1f").Get()), S_OK);
    EXPECT_EQ(moniker->IsEqual(Item("FilterGraph 0A1B2C3D pid 1E").Get()), S_FALSE);
    void* object = &name;
    EXPECT_EQ(moniker->BindToObject(nullptr, nullptr, IID_IUnknown, &object), E_NOTIMPL);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(moniker->BindToStorage(nullptr, nullptr, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(CreateItemMoniker("!", "x", nullptr), E_POINTER);
}

TEST(RunningObjectTable, HoldsTheObjectFromRegisterToRevoke) {
    ComPtr<IRunningObjectTable> table;
    ASSERT_EQ(GetRunningObjectTable(0, table.Put()), S_OK);
    EXPECT_EQ(GetRunningObjectTable(1, nullptr), E_POINTER);
    ComPtr<IRunningObjectTable> reserved;
    EXPECT_EQ(GetRunningObjectTable(1, reserved.Put()), E_INVALIDARG);

    ComPtr<IUnknown> thing;
    ASSERT_EQ(CreateComObject<Thing>(IID_IUnknown, thing.PutVoid()), S_OK);
    const ComPtr<IMoniker> name = Item("held");
    DWORD first = 0, second = 0;
    ASSERT_EQ(table->Register(0, thing.Get(), name.Get(), &first), S_OK);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(table->Register(0, thing.Get(), Item("HELD").Get(), &second), MK_S_MONIKERALREADYREGISTERED);
    EXPECT_NE(second, first);
    EXPECT_EQ(table->IsRunning(name.Get()), S_OK);

    ComPtr<IUnknown> found;
    ASSERT_EQ(table->GetObject(name.Get(), found.Put()), S_OK);
    EXPECT_EQ(found.Get(), thing.Get());
    found.Reset();

    EXPECT_EQ(table->Revoke(first), S_OK);
    EXPECT_EQ(table->IsRunning(name.Get()), S_OK) << "the second registration remains";
    EXPECT_EQ(table->Revoke(second), S_OK);
    EXPECT_EQ(table->IsRunning(name.Get()), S_FALSE);
    EXPECT_EQ(table->GetObject(name.Get(), found.Put()), MK_E_UNAVAILABLE);
    EXPECT_EQ(table->Revoke(second), E_INVALIDARG);
    EXPECT_EQ(thing.Detach()->Release(), 0u) << "the table released its references";

    DWORD registration = 5;
    EXPECT_EQ(table->Register(0, nullptr, name.Get(), &registration), E_INVALIDARG);
    EXPECT_EQ(registration, 0u);
}

HWND__* const kHostWindow = reinterpret_cast<HWND__*>(uintptr_t{0x1234});
int hostCreated = 0;
int hostDestroyed = 0;

TEST(HiddenOwnerWindow, DistinctHandlesCountedUntilDestroyed) {
    const size_t before = LiveHiddenOwnerWindows();
    HWND a = CreateHiddenOwnerWindow();
    HWND b = CreateHiddenOwnerWindow();
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(LiveHiddenOwnerWindows(), before + 2);
    DestroyHiddenOwnerWindow(a);
    DestroyHiddenOwnerWindow(b);
    DestroyHiddenOwnerWindow(nullptr);
    EXPECT_EQ(LiveHiddenOwnerWindows(), before);

    SetHiddenWindowHost({[] {
                             ++hostCreated;
                             return kHostWindow;
                         },
                         [](HWND window) { hostDestroyed += window == kHostWindow; }});
    HWND hosted = CreateHiddenOwnerWindow();
    EXPECT_EQ(hosted, kHostWindow);
    DestroyHiddenOwnerWindow(hosted);
    SetHiddenWindowHost({nullptr, nullptr});
    EXPECT_EQ(hostCreated, 1);
    EXPECT_EQ(hostDestroyed, 1);
    EXPECT_EQ(LiveHiddenOwnerWindows(), before);
}

}  // namespace
