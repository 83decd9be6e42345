// Files that are no media, or no files at all: a marker within the deadline, never a hang.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "component/lumoram.h"
#include "platform/com.h"
#include "tests/integration/media/media_samples.h"
#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

class BadInput : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    // The marker the analysis leaves; fails the test when it takes longer than the deadline.
    std::string MarkerFor(const std::string& path) {
        const auto start = std::chrono::steady_clock::now();
        lumora.SetFileName(path);
        lumora.ReadFileInfo();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3500)) << path;
        EXPECT_EQ(lumora.AudioStreamCount(), 0) << path;
        EXPECT_EQ(lumora.Video().Width, 0) << path;
        return lumora.VideoMajorType();
    }

    TempDir dir;
    TKxLumora lumora;
};

TEST_F(BadInput, NoFileAtThePath) {
    EXPECT_EQ(MarkerFor((dir.Path() / "missing.avi").string()), "FILE NOT FOUND");
    EXPECT_EQ(MarkerFor(dir.Path().string()), "FILE NOT FOUND") << "a folder is no file";
    EXPECT_EQ(MarkerFor(""), "FILE NOT FOUND");
}

TEST_F(BadInput, SpecialFilesAreRefusedWithoutBlocking) {
    const std::string fifo = (dir.Path() / "pipe.avi").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(MarkerFor(fifo), "ERROR") << "nobody writes to the pipe: reading it would block forever";
    EXPECT_EQ(MarkerFor("/dev/zero"), "ERROR");
    EXPECT_EQ(MarkerFor("/dev/null"), "ERROR");
}

TEST_F(BadInput, EmptyUnreadableAndNonMediaFiles) {
    EXPECT_EQ(MarkerFor(dir.File("empty.avi", "")), "ERROR");
    EXPECT_EQ(MarkerFor(dir.File("notes.txt", "Just some text, nothing to play.\n")), "ERROR");
    EXPECT_EQ(MarkerFor(dir.File("random.mkv", std::string(100000, '\x5A'))), "ERROR");
    EXPECT_EQ(MarkerFor("/proc/self/mem"), "ERROR") << "a regular file whose reads fail";
}

TEST_F(BadInput, TruncatedFileGivesAMarkerOrWhatItsHeadersTell) {
    const std::string source = SamplePath("xvid_pcm.avi");
    if (source.empty()) GTEST_SKIP() << "no sample";
    std::ifstream in(source, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t size : {size_t{12}, size_t{500}, size_t{5000}, content.size() / 2}) {
        const std::string path = dir.File("cut" + std::to_string(size) + ".avi", content.substr(0, size));
        lumora.SetFileName(path);
        lumora.ReadFileInfo();
        if (lumora.VideoMajorType() != "ERROR") {
            EXPECT_EQ(lumora.Video().Width, 640) << size;
        }
    }
}

TEST_F(BadInput, PlaylistsAndScriptsReachNoOtherFile) {
    // Each names another file; the analysis must refuse rather than follow.
    const std::string sample = SamplePath("pcm16.wav");
    if (sample.empty()) GTEST_SKIP() << "no sample";
    EXPECT_EQ(MarkerFor(dir.File("list.m3u8", "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\n" + sample +
                                                  "\n#EXT-X-ENDLIST\n")),
              "ERROR");
    EXPECT_EQ(MarkerFor(dir.File("list.ffconcat", "ffconcat version 1.0\nfile '" + sample + "'\n")), "ERROR");
    EXPECT_EQ(MarkerFor(dir.File("stream.sdp",
                                 "v=0\no=- 0 0 IN IP4 127.0.0.1\ns=x\nc=IN IP4 127.0.0.1\nt=0 0\n"
                                 "m=audio 5004 RTP/AVP 0\n")),
              "ERROR");
}

TEST_F(BadInput, NamesWithCyrillicAndSpacesWork) {
    const std::string source = SamplePath("xvid_pcm.avi");
    if (source.empty()) GTEST_SKIP() << "no sample";
    const auto target = dir.Path() / "Мой фильм (копия).avi";
    std::filesystem::copy_file(source, target);
    lumora.SetFileName(target.string());
    lumora.ReadFileInfo();
    EXPECT_EQ(lumora.Video().FourCC, "XVID");
    EXPECT_EQ(lumora.FileFormat(), "AVI");
    EXPECT_EQ(lumora.AudioStreamCount(), 1);
}

}  // namespace
}  // namespace lumora::testing
