// How much of a file libavformat is shown: a never-written tail and what follows a WAVE file's
// RIFF chunk are left out, nothing else.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "backends/ffmpeg/readable_size.h"
#include "platform/unique_fd.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

using lumora::ffmpeg::EndOfRiffWave;
using lumora::ffmpeg::EndOfWrittenData;

std::string Le32(uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}
std::string Be32(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}
std::string Le64(uint64_t v) { return Le32(static_cast<uint32_t>(v)) + Le32(static_cast<uint32_t>(v >> 32)); }

std::string Chunk(const std::string& id, const std::string& body) {
    return id + Le32(static_cast<uint32_t>(body.size())) + body + std::string(body.size() % 2, '\0');
}
// A chunk whose size field says `length` whatever its body.
std::string Claiming(const std::string& id, uint32_t length, const std::string& body) {
    return id + Le32(length) + body;
}

const std::string kFmt = Chunk("fmt ", std::string(16, '\x01'));
const std::string kAudio(100, 'a');
const std::string kTail(5000, '\x55');

std::string Riff(const std::string& chunks, int extra = 0) {
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size() + extra)) + "WAVE" + chunks;
}

class ReadableSize : public ::testing::Test {
protected:
    int64_t RiffEnd(const std::string& content) {
        const UniqueFd fd(::open(dir.File("f", content).c_str(), O_RDONLY | O_CLOEXEC));
        return EndOfRiffWave(fd.Get(), static_cast<int64_t>(content.size()));
    }
    TempDir dir;
};

TEST_F(ReadableSize, WaveEndsWithItsRiffChunkOnlyWhenThatHoldsTheData) {
    const std::string wave = Riff(kFmt + Chunk("data", kAudio));
    constexpr int64_t kAll = -1;                    // the whole file
    const std::string list = Chunk("LIST", "odd");  // padded to even
    const std::string rifx = "RIFX" + Be32(4 + 8 + 100) + "WAVE" + "data" + Be32(100) + kAudio;
    const std::string ds64 = Chunk("ds64", Le64(4 + 36 + 8 + 100) + Le64(100) + Le64(25) + Le32(0));
    const std::string rf64 = "RF64" + Le32(0xFFFFFFFF) + "WAVE" + ds64 + Claiming("data", 0xFFFFFFFF, kAudio);
    struct Case {
        const char* name;
        std::string content;
        int64_t expected;
    };
    const Case cases[] = {
        {"data, then a tail", wave + kTail, static_cast<int64_t>(wave.size())},
        {"a padded chunk before the data", Riff(list + kFmt + Chunk("data", kAudio)) + kTail,
         static_cast<int64_t>(12 + list.size() + kFmt.size() + 108)},
        {"big-endian RIFX", rifx + kTail, static_cast<int64_t>(rifx.size())},
        {"RF64 with its sizes in ds64", rf64 + kTail, static_cast<int64_t>(rf64.size())},
        {"data of length 0: to the end", Riff(kFmt + Claiming("data", 0, kAudio)) + kTail, kAll},
        {"data of length 0xFFFFFFFF: to the end", Riff(kFmt + Claiming("data", 0xFFFFFFFF, kAudio)) + kTail,
         kAll},
        {"RIFF size short of the data (wrapped past 4 GB)", Riff(kFmt + Chunk("data", kAudio), -50) + kTail,
         kAll},
        {"RIFF size past the end of the file", Riff(kFmt + Chunk("data", kAudio), 1 << 20), kAll},
        {"no data chunk", Riff(kFmt + Chunk("JUNK", kAudio)) + kTail, kAll},
        {"AVI", "RIFF" + Le32(4 + 108) + "AVI " + Chunk("LIST", kAudio) + kTail, kAll},
        {"shorter than a header", "RIFF", kAll},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RiffEnd(c.content),
                  c.expected == kAll ? static_cast<int64_t>(c.content.size()) : c.expected)
            << c.name;
}

TEST_F(ReadableSize, NeverWrittenTailIsLeftOut) {
    const std::string path = dir.File("sparse", std::string(10000, '\x55'));
    std::filesystem::resize_file(path, 100 << 20);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    if (status.st_blocks * 512 >= status.st_size) GTEST_SKIP() << "this file system keeps no holes";

    const auto end = [&] {
        const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        return EndOfWrittenData(fd.Get(), static_cast<int64_t>(std::filesystem::file_size(path)));
    };
    const int64_t tailed = end();
    EXPECT_GE(tailed, 10000);
    EXPECT_LT(tailed, 10000 + 65536) << "up to the end of the last written block";

    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(50 << 20);
        file << "written after the hole";
    }
    std::filesystem::resize_file(path, (50 << 20) + 22);
    EXPECT_EQ(end(), (50 << 20) + 22) << "a hole inside the file is part of it";

    std::filesystem::resize_file(path, 0);
    std::filesystem::resize_file(path, 10 << 20);
    EXPECT_EQ(end(), 0) << "nothing ever written";
}

}  // namespace
}  // namespace lumora::testing
