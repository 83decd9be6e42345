// A gtest fixture over the authored volumes, and the two ways the tests read them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "component/lumoram.h"
#include "tests/integration/dvd/dvd_test_volumes.h"
#include "tests/support/lumora_info_run.h"

namespace lumora::testing {

// The tests of the authored volumes; each skips, loudly, when the volumes cannot be made.
class AuthoredVolumes : public ::testing::Test {
protected:
    static void SetUpTestSuite() { volumes_ = TestVolumes(&why_); }
    void SetUp() override {
        if (!volumes_) GTEST_SKIP() << "SKIPPED LOUDLY: " << why_;
    }
    static std::filesystem::path Volume(const std::string& name) { return *volumes_ / name; }

    // The reading that the window's DVD page shows.
    static const TKxDVDInfo& Read(TKxLumora& lumora, const std::filesystem::path& path) {
        lumora.SetFileName(path.string());
        lumora.ReadDVDInfo();
        return lumora.DVDInfo();
    }
    // lumora_info --dvd on the path, ended after 20 s: a reading that blocks fails with 124.
    static ProgramRun InfoDvd(const std::filesystem::path& path) {
        return RunLumoraInfo("--dvd " + ShellQuote(path.string()), "timeout 20 ");
    }
    // What is no volume: no titles, not even the count of the volume read before, and from
    // lumora_info one error line within the reading's deadline.
    static void ExpectNoVolume(const std::filesystem::path& path) {
        SCOPED_TRACE(path.string());
        TKxLumora lumora;
        Read(lumora, Volume("pal_mixed"));
        const TKxDVDInfo& dvd = Read(lumora, path);
        EXPECT_EQ(dvd.Titles.Count(), 0);
        EXPECT_EQ(dvd.NumberOfTitles, 0u) << "not the previous volume's count";
        EXPECT_FALSE(lumora.DVDVolumeRead());
        const auto start = std::chrono::steady_clock::now();
        const ProgramRun result = InfoDvd(path);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }

    static inline std::optional<std::filesystem::path> volumes_;
    static inline std::string why_;
};

}  // namespace lumora::testing
