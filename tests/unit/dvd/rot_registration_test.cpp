#include "dvd/rot_registration.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/com_object.h"
#include "platform/com_ptr.h"
#include "platform/process.h"
#include "platform/running_object_table.h"

namespace {

class Graph : public ComObject<IUnknown> {};

TEST(GraphRotName, EightUpperCaseDigitsAndTheProcessInHexadecimal) {
    EXPECT_EQ(GraphRotName(reinterpret_cast<const void*>(uintptr_t{0x1a2b3c}), 0x1f4),
              "FilterGraph 001A2B3C pid 1F4");
    EXPECT_EQ(GraphRotName(reinterpret_cast<const void*>(uintptr_t{0xdeadbeef}), 7),
              "FilterGraph DEADBEEF pid 7");
    // A 64-bit address keeps its low 32 bits: still exactly eight digits.
    EXPECT_EQ(GraphRotName(reinterpret_cast<const void*>(uintptr_t{0x7ffd12345678}), 0),
              "FilterGraph 12345678 pid 0");
}

TEST(RegisterGraphInRot, RegistersUnderTheItemNameUntilRevoked) {
    ComPtr<IUnknown> graph;
    ASSERT_EQ(CreateComObject<Graph>(IID_IUnknown, graph.PutVoid()), S_OK);
    DWORD registration = 0;
    ASSERT_EQ(RegisterGraphInRot(graph.Get(), &registration), S_OK);
    EXPECT_NE(registration, 0u);

    ComPtr<IMoniker> name;
    ASSERT_EQ(CreateItemMoniker("!", GraphRotName(graph.Get(), GetCurrentProcessId()), name.Put()), S_OK);
    std::string displayName;
    name->GetDisplayName(nullptr, nullptr, &displayName);
    EXPECT_TRUE(std::regex_match(displayName, std::regex("!FilterGraph [0-9A-F]{8} pid [1-9A-F][0-9A-F]*")))
        << displayName;

    ComPtr<IRunningObjectTable> table;
    ASSERT_EQ(GetRunningObjectTable(0, table.Put()), S_OK);
    ComPtr<IUnknown> found;
    ASSERT_EQ(table->GetObject(name.Get(), found.Put()), S_OK);
    EXPECT_EQ(found.Get(), graph.Get());
    found.Reset();

    EXPECT_EQ(RevokeGraphFromRot(registration), S_OK);
    EXPECT_EQ(table->IsRunning(name.Get()), S_FALSE);
    EXPECT_EQ(RevokeGraphFromRot(registration), E_INVALIDARG) << "the last result is the revocation's";
    EXPECT_EQ(graph->AddRef(), 2u) << "the table let go of its reference";
    graph->Release();
}

TEST(RegisterGraphInRot, ReportsTheRegistrationsFailure) {
    DWORD registration = 99;
    EXPECT_EQ(RegisterGraphInRot(nullptr, &registration), E_INVALIDARG);
    EXPECT_EQ(registration, 0u);
}

}  // namespace
