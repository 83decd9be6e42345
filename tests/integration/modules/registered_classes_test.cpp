// The class table against the modules of this build: every class a built module serves is made
// through it; a class whose module was left out answers "not registered", and lumora_info names
// the missing module.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/class_table.h"
#include "platform/com.h"
#include "platform/com_ptr.h"
#include "platform/media_det.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {
namespace {

bool Built(const std::string& module) {
    std::istringstream modules(LUMORA_BUILT_MODULES);
    for (std::string built; std::getline(modules, built, ',');)
        if (built == module) return true;
    return false;
}

TEST(RegisteredClasses, EachIsMadeByItsModuleWhenTheModuleWasBuilt) {
    for (const RegisteredClass& entry : RegisteredClasses()) {
        ComPtr<IUnknown> object;
        std::string reason;
        if (Built(entry.module)) {
            EXPECT_EQ(CoLoadClassModule(entry.clsid, &reason), S_OK) << entry.module << ": " << reason;
            EXPECT_EQ(CoCreateInstance(entry.clsid, object), S_OK) << entry.module;
            EXPECT_TRUE(object);
        } else {
            EXPECT_EQ(CoLoadClassModule(entry.clsid, &reason), REGDB_E_CLASSNOTREG) << entry.module;
            EXPECT_NE(reason.find(std::string("/") + entry.module + ".so"), std::string::npos) << reason;
            EXPECT_EQ(CoCreateInstance(entry.clsid, object), REGDB_E_CLASSNOTREG) << entry.module;
        }
    }
}

TEST(RegisteredClasses, LumoraInfoVersionLoadsNoModule) {
    const ProgramRun loaded = RunLumoraInfo("--version", "LD_DEBUG=files ");
    ASSERT_EQ(loaded.status, 0);
    for (const char* library : {"ffmpeg.so", "dvdread.so", "devices.so", "libavformat", "libdvdread"})
        EXPECT_EQ(loaded.err.find(library), std::string::npos) << library << " loaded by --version";
}

TEST(RegisteredClasses, LumoraInfoNamesAMissingModule) {
    if (Built("ffmpeg"))
        GTEST_SKIP() << "the media detector module is built; its absence is tested without it";
    TempDir dir;
    const ProgramRun run = RunLumoraInfo(ShellQuote(dir.File("clip.avi")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("lumora_info: cannot load module: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("ffmpeg.so"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumora::testing
