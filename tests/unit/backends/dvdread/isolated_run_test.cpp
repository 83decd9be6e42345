// Work run in a child process: what it hands back, and what becomes of a crash, a throw or a hang.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include <unistd.h>

#include "backends/dvdread/isolated_run.h"

namespace {

using namespace lumora::dvdread;
using namespace std::chrono_literals;

std::optional<std::vector<uint8_t>> Produced(std::vector<uint8_t> bytes) { return bytes; }

TEST(RunIsolated, HandsBackWhatTheChildProduced) {
    const auto bytes = RunIsolated([] { return Produced(std::vector<uint8_t>(200000, 7)); }, 10s);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 200000u) << "more than a pipe holds at once";
    EXPECT_EQ(RunIsolated([] { return Produced({}); }, 10s), std::vector<uint8_t>{});
}

TEST(RunIsolated, ACrashAnAbortAThrowOrNothingIsNoResult) {
    EXPECT_FALSE(RunIsolated([]() -> std::optional<std::vector<uint8_t>> { std::abort(); }, 10s));
    EXPECT_FALSE(RunIsolated(
        []() -> std::optional<std::vector<uint8_t>> {
            ::raise(SIGSEGV);
            return std::nullopt;
        },
        10s));
    EXPECT_FALSE(RunIsolated([]() -> std::optional<std::vector<uint8_t>> { throw std::bad_alloc(); }, 10s));
    EXPECT_FALSE(RunIsolated([]() -> std::optional<std::vector<uint8_t>> { return std::nullopt; }, 10s));
}

TEST(RunIsolated, AChildThatHangsIsKilledAtTheDeadline) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(RunIsolated(
        []() -> std::optional<std::vector<uint8_t>> {
            for (;;)
                ::pause();
        },
        300ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

}  // namespace
