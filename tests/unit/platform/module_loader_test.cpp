// Backend modules loaded on first use: a module of the tests' own, and modules that are missing,
// broken or foreign.
#include "platform/module_loader.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/com.h"
#include "platform/com_ptr.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr CLSID CLSID_TestThing = MakeGuid("{5E7A1B2C-0D3E-4F50-8617-28394A5B6C7D}");
constexpr CLSID CLSID_Elsewhere = MakeGuid("{5E7A1B2C-0D3E-4F50-8617-28394A5B6C7E}");

TEST(ModuleLoader, MakesObjectsOfTheModulesClassesOnly) {
    ModuleLoader loader(LUMORA_TEST_MODULE_DIR);
    ComPtr<IUnknown> thing;
    ASSERT_EQ(loader.CreateInstance("test_module", CLSID_TestThing, IID_IUnknown, thing.PutVoid()), S_OK);
    ASSERT_TRUE(thing);
    EXPECT_EQ(thing.Detach()->Release(), 0u) << "the last Release frees the module's object";

    void* none = &thing;
    EXPECT_EQ(loader.CreateInstance("test_module", CLSID_Elsewhere, IID_IUnknown, &none),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(loader.CreateInstance("test_module", CLSID_TestThing, IID_IUnknown, nullptr), E_POINTER);
}

TEST(ModuleLoader, AModuleThatCannotBeLoadedAnswersClassNotRegisteredAndSaysWhy) {
    lumora::testing::TempDir dir;
    dir.File("garbage.so", "not a shared object");
    ModuleLoader loader(dir.Path());
    for (const char* module : {"missing", "garbage"}) {
        std::string reason;
        EXPECT_EQ(loader.Load(module, &reason), REGDB_E_CLASSNOTREG) << module;
        EXPECT_NE(reason.find((dir.Path() / module).string() + ".so"), std::string::npos) << reason;
        void* out = &reason;
        EXPECT_EQ(loader.CreateInstance(module, CLSID_TestThing, IID_IUnknown, &out), REGDB_E_CLASSNOTREG);
        EXPECT_EQ(out, nullptr);
    }

    // A failure is remembered: a module that appears later is not loaded by the same loader.
    std::string reason;
    EXPECT_EQ(loader.Load("late", &reason), REGDB_E_CLASSNOTREG);
    std::filesystem::copy_file(std::filesystem::path(LUMORA_TEST_MODULE_DIR) / "test_module.so",
                               dir.Path() / "late.so");
    EXPECT_EQ(loader.Load("late", &reason), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(ModuleLoader(dir.Path()).Load("late", &reason), S_OK) << reason;
    EXPECT_TRUE(reason.empty());
}

TEST(ModuleLoader, ALibraryWithoutTheEntryIsNoModule) {
    ModuleLoader loader(LUMORA_TEST_MODULE_DIR);
    std::string reason;
    EXPECT_EQ(loader.Load("no_entry", &reason), REGDB_E_CLASSNOTREG);
    EXPECT_NE(reason.find("no LumoraModuleCreateInstance"), std::string::npos) << reason;
}

TEST(ModuleLoader, ThreadsMayAskForTheSameModuleAtOnce) {
    ModuleLoader loader(LUMORA_TEST_MODULE_DIR);
    std::vector<std::thread> threads;
    std::vector<HRESULT> results(8, E_FAIL);
    for (size_t i = 0; i < results.size(); ++i)
        threads.emplace_back([&, i] {
            ComPtr<IUnknown> thing;
            results[i] = loader.CreateInstance("test_module", CLSID_TestThing, IID_IUnknown, thing.PutVoid());
        });
    for (std::thread& thread : threads)
        thread.join();
    for (const HRESULT result : results)
        EXPECT_EQ(result, S_OK);
}

TEST(ClassTable, AClassNoModuleServesIsNotRegistered) {
    std::string reason;
    EXPECT_EQ(CoLoadClassModule(CLSID_TestThing, &reason), REGDB_E_CLASSNOTREG);
    EXPECT_NE(reason.find("no module serves"), std::string::npos) << reason;
    ComPtr<IUnknown> thing;
    EXPECT_EQ(CoCreateInstance(CLSID_TestThing, thing), REGDB_E_CLASSNOTREG);
}

TEST(ClassTable, ModulesLieBesideThePlatformLibrary) {
    EXPECT_TRUE(std::filesystem::exists(PlatformModuleFolder() / "liblumora_platform.so"))
        << PlatformModuleFolder();
}

}  // namespace
