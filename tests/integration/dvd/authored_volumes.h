// A gtest fixture over the authored volumes.
#pragma once

#include <gtest/gtest.h>

#include "tests/integration/dvd/dvd_test_volumes.h"

namespace lumora::testing {

// The tests of the authored volumes; each skips, loudly, when the volumes cannot be made.
class AuthoredVolumes : public ::testing::Test {
protected:
    static void SetUpTestSuite() { volumes_ = TestVolumes(&why_); }
    void SetUp() override {
        if (!volumes_) GTEST_SKIP() << "SKIPPED LOUDLY: " << why_;
    }
    static std::filesystem::path Volume(const std::string& name) { return *volumes_ / name; }

    static inline std::optional<std::filesystem::path> volumes_;
    static inline std::string why_;
};

}  // namespace lumora::testing
