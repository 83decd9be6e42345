// Replays the media fuzzer's seeds and every input it ever found, as an ordinary test: each within
// the detector's deadline. LUMORA_FUZZ_EXTRA_INPUTS names one more folder to replay.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/media_file_harness.h"

namespace {

TEST(MediaFileRegressions, EveryStoredInputRunsCleanlyWithinTheDeadline) {
    std::vector<std::filesystem::path> folders = {LUMORA_MEDIA_FUZZ_INPUTS};
    if (const char* extra = std::getenv("LUMORA_FUZZ_EXTRA_INPUTS")) folders.emplace_back(extra);
    size_t inputs = 0;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                             std::istreambuf_iterator<char>()};
            SCOPED_TRACE(entry.path().string());
            const auto start = std::chrono::steady_clock::now();
            RunMediaFileInput(bytes.data(), bytes.size());
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3500));
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0u);
}

}  // namespace
