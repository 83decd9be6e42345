// Work run in a child process: what it hands back, and what becomes of a crash, a throw or a hang.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/isolated_run.h"
#include "platform/unique_fd.h"

namespace {

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
            ::signal(SIGSEGV, SIG_DFL);  // a crash that no sanitizer reports
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

// The child as its work sees it (it dies with its parent, dumps no core), its answer coming back
// whichever standard descriptors the caller had closed (where the pipe's ends would land).
TEST(RunIsolated, TheChildDiesWithItsParentDumpsNoCoreAndAnswersWhateverIsClosed) {
    const auto facts = [] {
        int deathSignal = 0;
        rlimit core{};
        prctl(PR_GET_PDEATHSIG, &deathSignal);
        getrlimit(RLIMIT_CORE, &core);
        return Produced({uint8_t(prctl(PR_GET_DUMPABLE)), uint8_t(deathSignal), uint8_t(core.rlim_max)});
    };
    const UniqueFd saved[3] = {UniqueFd(dup(0)), UniqueFd(dup(1)), UniqueFd(dup(2))};
    for (const std::vector<int>& closed : {std::vector<int>{}, {0, 2}, {0, 1, 2}, {1}}) {
        for (const int fd : closed)
            close(fd);
        const auto bytes = RunIsolated(facts, 10s);
        for (int fd = 0; fd < 3; ++fd)
            dup2(saved[fd].Get(), fd);
        EXPECT_EQ(bytes, (std::vector<uint8_t>{0, SIGKILL, 0})) << closed.size() << " closed";
    }
}

// A known fault is dropped; the DVD regression tests replay libdvdread's through the child.
TEST(RunIsolated, InSanitizerBuildsAReportFromTheChildEndsTheCallerToo) {
#ifndef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "only sanitizer builds report";
#endif
    std::vector<uint8_t> bytes(1);
    EXPECT_DEATH(RunIsolated([&] { return Produced({bytes.data()[8]}); }, 10s), "heap-buffer-overflow");
    const KnownLibraryFault known[] = {{"heap-buffer-overflow", "isolated_run_test.cpp"}};
    EXPECT_FALSE(RunIsolated([&] { return Produced({bytes.data()[8]}); }, 10s, known))
        << "a known fault is no news";
}

}  // namespace
