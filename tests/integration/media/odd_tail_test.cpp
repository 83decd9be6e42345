// Files followed by a long tail of zeros, or growing while they are read: the same lines as
// without the tail, at once, never after the whole deadline.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "app/page_text/file_page_lines.h"
#include "component/lumoram.h"
#include "platform/com.h"
#include "platform/unique_fd.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/temp_dir.h"
#include "tests/support/time_bound.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr uintmax_t kMiB = 1024 * 1024;

struct Reading {
    std::vector<std::string> lines;
    std::chrono::steady_clock::duration took;
};

class OddTail : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    // The page's lines and the shortest of three readings' times: a bound on the work, not on
    // how busy the machine is.
    static Reading Read(const std::string& path) {
        Reading reading{{}, std::chrono::hours(1)};
        for (int attempt = 0; attempt < 3; ++attempt) {
            TKxLumora lumora;
            lumora.SetFileName(path);
            const auto start = std::chrono::steady_clock::now();
            lumora.ReadFileInfo();
            reading.took = std::min(reading.took, std::chrono::steady_clock::now() - start);
            reading.lines = FilePageLines(lumora);
        }
        return reading;
    }

    // A copy of the sample in the test's folder; empty when the sample could not be made.
    std::string Copy(const std::string& sample) const {
        const std::string source = SamplePath(sample);
        if (source.empty()) return source;
        const fs::path target = dir.Path() / sample;
        fs::copy_file(source, target, fs::copy_options::overwrite_existing);
        return target.string();
    }

    TempDir dir;
};

// The size field of the AVI's idx1 chunk made to claim 2 GB.
void ClaimHugeIndex(const std::string& path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const size_t at = content.rfind("idx1");
    ASSERT_NE(at, std::string::npos);
    file.clear();
    file.seekp(static_cast<std::streamoff>(at + 4));
    file.write("\xF0\xFF\xFF\x7F", 4);
}

void AppendZeros(const std::string& path, uintmax_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    const std::string block(kMiB, '\0');
    for (uintmax_t written = 0; written < size; written += kMiB)
        file.write(block.data(), static_cast<std::streamsize>(block.size()));
}

TEST_F(OddTail, ZeroTailChangesNothingAndCostsNothing) {
    struct Case {
        const char* sample;
        uintmax_t tail;
        bool sparse;
        const char* why;
    };
    const Case cases[] = {
        {"pcm16.wav", 300 * kMiB, true, "the WAV demuxer looks for chunks after the data"},
        {"pcm16.wav", 5120 * kMiB, true, "as above, longer than the deadline"},
        {"short_pcm8.wav", 300 * kMiB, true, "its packet reading looks for another data chunk"},
        {"pcm16.wav", 32 * kMiB, false, "zeros written, no hole: the RIFF chunk ends before them"},
        {"mpeg2_mp2.mpg", 300 * kMiB, true, "the MPEG-PS demuxer scans for start codes"},
        {"theora_vorbis.ogg", 300 * kMiB, true, "the length comes from the last page"},
        {"cover.mp3", 300 * kMiB, true, "the length comes from the file's size"},
        {"xvid_pcm.avi", 2048 * kMiB, true, "an idx1 that claims 2 GB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sample) + ": " + c.why);
        const std::string path = Copy(c.sample);
        if (path.empty()) GTEST_SKIP() << "ffmpeg could not make " << c.sample;
        if (std::string_view(c.sample).ends_with(".avi")) ClaimHugeIndex(path);
        const Reading plain = Read(path);
        ASSERT_NE(plain.lines.back(), "ERROR");

        if (c.sparse) {
            fs::resize_file(path, fs::file_size(path) + c.tail);
        } else {
            AppendZeros(path, c.tail);
        }
        const Reading tailed = Read(path);
        EXPECT_EQ(tailed.lines, plain.lines);
        EXPECT_LT(tailed.took, TimeBound(milliseconds(50)));
    }
}

TEST_F(OddTail, GrowingFileIsReadAsItWasWhenOpened) {
    const std::string path = Copy("short_pcm8.wav");
    if (path.empty()) GTEST_SKIP() << "no sample";
    const Reading plain = Read(path);

    // A writer that keeps appending zeros as fast as it can (up to 1 GB), all through the reading.
    std::atomic<bool> stop = false;
    std::atomic<uintmax_t> appended = 0;
    std::atomic<bool> failed = false;
    std::thread writer([&] {
        const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
        const std::vector<char> block(kMiB, '\0');
        while (!stop && appended < 1024 * kMiB) {
            if (!fd.IsOpen() || ::write(fd.Get(), block.data(), block.size()) <= 0) {
                failed = true;
                return;
            }
            appended += block.size();
        }
    });
    while (appended < 16 * kMiB && !failed)
        std::this_thread::yield();
    const Reading growing = Read(path);
    stop = true;
    writer.join();
    ASSERT_FALSE(failed) << "the writer could not append";

    EXPECT_EQ(growing.lines, plain.lines);
    EXPECT_LT(growing.took, TimeBound(milliseconds(50)));
}

}  // namespace
}  // namespace lumora::testing
