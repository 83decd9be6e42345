// Replays the fuzzer's seeds and every input it once crashed on, as an ordinary test.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/hidden_window.h"
#include "tests/fuzz/dvd_ifo_harness.h"

namespace {

// LUMORA_FUZZ_EXTRA_INPUTS names one more folder to replay (scripts/fuzz.sh: new findings).
TEST(DvdIfoRegressions, EveryStoredInputRunsCleanly) {
    std::vector<std::filesystem::path> folders = {LUMORA_DVD_FUZZ_INPUTS};
    if (const char* extra = std::getenv("LUMORA_FUZZ_EXTRA_INPUTS")) folders.emplace_back(extra);
    size_t inputs = 0;
    for (const auto& folder : folders)
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                             std::istreambuf_iterator<char>()};
            SCOPED_TRACE(entry.path().filename().string());
            RunDvdIfoInput(bytes.data(), bytes.size());
            ++inputs;
        }
    EXPECT_GT(inputs, 0u);
    EXPECT_EQ(LiveHiddenOwnerWindows(), 0u);
}

// A fuzzing process that crashes or times out leaves its volume folder; the next one removes it.
TEST(DvdIfoRegressions, AVolumeLeftByAnEndedProcessIsRemoved) {
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
    const auto left = std::filesystem::path(std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") /
                      ("lumora_dvd_fuzz_" + std::to_string(ended));
    std::filesystem::create_directories(left / "VIDEO_TS");
    RemoveVolumesOfEndedRuns();
    EXPECT_FALSE(std::filesystem::exists(left));
}

}  // namespace
