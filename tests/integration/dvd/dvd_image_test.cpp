// DVD images made from the authored volumes by genisoimage, and a drive's device node: read as
// the folder is, checked against lsdvd; and what is no DVD image.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <regex>
#include <set>
#include <sstream>

#include "tests/integration/dvd/authored_volumes.h"
#include "tests/integration/dvd/dvd_expectations.h"
#include "tests/integration/dvd/dvd_test_volumes.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::testing;

class DvdImages : public AuthoredVolumes {
protected:
    static void SetUpTestSuite() {
        AuthoredVolumes::SetUpTestSuite();
        if (!volumes_) return;
        images_ = new TempDir();
        for (const char* name : {"pal_mixed", "ntsc_mixed", "pal_silent"})
            if (!MakeDvdImage(Volume(name), Image(name), &imageWhy_)) return;
        imagesMade_ = true;
    }
    static void TearDownTestSuite() {
        delete images_;
        images_ = nullptr;
    }
    void SetUp() override {
        AuthoredVolumes::SetUp();
        if (!IsSkipped() && !imagesMade_) GTEST_SKIP() << "SKIPPED LOUDLY: " << imageWhy_;
    }

    static fs::path Image(const std::string& name) { return images_->Path() / (name + ".iso"); }

    static inline TempDir* images_ = nullptr;
    static inline bool imagesMade_ = false;
    static inline std::string imageWhy_;
};

// Where the image's files (those whose names match) begin and end, by isoinfo's listing
// ("... SIZE ... [ extent flags]  NAME;1").
std::vector<std::pair<size_t, size_t>> Extents(const fs::path& image, const std::string& names = R"(\S+)") {
    const std::string listing = RunProgram("isoinfo -l -i " + ShellQuote(image.string())).out;
    const std::regex line(R"(^-\S+\s+\d+\s+\d+\s+\d+\s+(\d+) .*\[\s*(\d+) \d+\]\s+)" + names + R"(;1\s*$)");
    std::vector<std::pair<size_t, size_t>> extents;
    std::istringstream lines(listing);
    std::smatch m;
    for (std::string text; std::getline(lines, text);)
        if (std::regex_match(text, m, line))
            extents.emplace_back(std::stoul(m[2]) * 2048, std::stoul(m[2]) * 2048 + std::stoul(m[1]));
    return extents;
}

size_t EndOfLastFile(const fs::path& image) {
    size_t last = 0;
    for (const auto& [begin, end] : Extents(image))
        last = std::max(last, end);
    return last;
}

class DvdImage : public DvdImages, public ::testing::WithParamInterface<std::string> {};

TEST_P(DvdImage, ReadsAsItsFolderAndAsLsdvdSays) {
    const fs::path folder = Volume(GetParam());
    const fs::path image = Image(GetParam());
    const ProgramRun result = InfoDvd(image);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, InfoDvd(folder).out);
    for (const fs::path& path : {folder, image})
        EXPECT_EQ(RunLumoraInfo("--dvd " + ShellQuote(path.string()) + " <&- 2>&-").out, result.out)
            << "0, 2 closed";
    EXPECT_EQ(result.out, ExpectedDvdOutput(Lsdvd(image), folder / "VIDEO_TS"));

    TKxLumora fromFolder, fromImage;
    Read(fromFolder, folder);
    const TKxDVDInfo& dvd = Read(fromImage, image);
    EXPECT_TRUE(fromImage.DVDVolumeRead());
    ExpectSameReading(fromFolder.DVDInfo(), dvd);
    EXPECT_NE(dvd.DiscID, 0u);
}

INSTANTIATE_TEST_SUITE_P(Dvd, DvdImage, ::testing::Values("pal_mixed", "ntsc_mixed", "pal_silent"));

// The image keeps whole seconds and the offset of the zone it was made in; with times in whole
// seconds the image's directory gives the folder's listing, so the same id.
TEST_F(DvdImages, TheDiscIdHashesTheImagesDirectory) {
    VolumeCopy copy(Volume("pal_mixed"), "seconds");
    int second = 0;
    for (const auto& entry : fs::directory_iterator(copy.VideoTs()))
        fs::last_write_time(entry.path(), fs::file_time_type::clock::from_sys(std::chrono::sys_seconds(
                                              std::chrono::seconds(1620284889 + 61 * second++))));
    const fs::path image = copy.Root().parent_path() / "seconds.iso";
    std::string why;
    ASSERT_TRUE(MakeDvdImage(copy.Root(), image, &why, "TZ=XST-5:30")) << why;
    TKxLumora lumora;
    const uint64_t folderId = Read(lumora, copy.Root()).DiscID;
    EXPECT_EQ(Read(lumora, image).DiscID, folderId);
    EXPECT_NE(Read(lumora, Image("pal_mixed")).DiscID, folderId) << "other times, another id";
    WriteBytes(image, UdfOnly(ReadBytes(image)));
    EXPECT_EQ(Read(lumora, image).DiscID, folderId) << "from the UDF listing alone";
}

// Made UDF-only, an image reads as its folder, gets an id of its own, and is no volume when cut at
// any sector of its IFO and BUP files or anywhere before the end of its last file.
TEST_F(DvdImages, AUdfOnlyImageIsReadByItsUdfListing) {
    const TempDir dir;
    const fs::path pal = dir.Path() / "pal.iso", ntsc = dir.Path() / "ntsc.iso";
    const std::vector<uint8_t> whole = UdfOnly(ReadBytes(Image("pal_mixed")));
    WriteBytes(pal, whole);
    WriteBytes(ntsc, UdfOnly(ReadBytes(Image("ntsc_mixed"))));
    EXPECT_EQ(InfoDvd(pal).out, InfoDvd(Volume("pal_mixed")).out);
    TKxLumora lumora;
    const uint64_t id = Read(lumora, pal).DiscID;
    EXPECT_NE(Read(lumora, ntsc).DiscID, id);
    std::set<size_t> lengths = {40000, 200 * 2048, EndOfLastFile(Image("pal_mixed")) - 1};
    for (const auto& [begin, end] : Extents(Image("pal_mixed"), R"(\S+\.(IFO|BUP))"))
        for (size_t at = begin; at < end; at += 2048)
            lengths.insert(at);
    for (const size_t length : lengths) {
        WriteBytes(pal, std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(length)));
        Read(lumora, pal);
        EXPECT_FALSE(lumora.DVDVolumeRead()) << "cut to " << length;
    }
    ExpectNoVolume(pal);
}

TEST_F(DvdImages, WhatIsNoDvdImageIsNoVolume) {
    TempDir odd;
    const std::vector<uint8_t> whole = ReadBytes(Image("pal_mixed"));
    const size_t lastFileEnd = EndOfLastFile(Image("pal_mixed"));
    ASSERT_GT(lastFileEnd, 600000u);
    ASSERT_LE(lastFileEnd, whole.size());
    const struct {
        const char* name;
        size_t length;
    } cuts[] = {{"in_descriptors.iso", 40000},
                {"in_video_manager.iso", 580000},
                {"in_last_file.iso", lastFileEnd - 1}};
    for (const auto& cut : cuts)
        WriteBytes(odd.Path() / cut.name, std::vector<uint8_t>(whole.begin(), whole.begin() + cut.length));
    fs::create_directories(odd.Path() / "data/docs");
    odd.File("data/docs/readme.txt", "not a film");
    ASSERT_EQ(RunProgram("genisoimage -quiet -udf -o " + ShellQuote((odd.Path() / "data_cd.iso").string()) +
                         " " + ShellQuote((odd.Path() / "data").string()))
                  .status,
              0);
    odd.File("empty.iso", "");
    ASSERT_EQ(mkfifo((odd.Path() / "fifo.iso").c_str(), 0600), 0);

    for (const char* name : {"in_descriptors.iso", "in_video_manager.iso", "in_last_file.iso", "data_cd.iso",
                             "empty.iso", "fifo.iso"})
        ExpectNoVolume(odd.Path() / name);
}

// A loop device over an image stands in for a drive with the disc; it needs root and loop devices.
TEST_F(DvdImages, ADrivesDeviceNodeReadsAsTheDisc) {
    const ProgramRun attached =
        RunProgram("losetup -f --show -r " + ShellQuote(Image("ntsc_mixed").string()));
    const std::string device = attached.out.substr(0, attached.out.find('\n'));
    if (attached.status != 0 || device.empty())
        GTEST_SKIP() << "SKIPPED LOUDLY: no loop device to stand in for a drive: " << attached.err;
    struct Detach {
        std::string device;
        ~Detach() { RunProgram("losetup -d " + ShellQuote(device)); }
    } detach{device};
    struct stat info {};
    ASSERT_EQ(stat(device.c_str(), &info), 0);
    ASSERT_TRUE(S_ISBLK(info.st_mode));
    const ProgramRun result = InfoDvd(device);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, InfoDvd(Volume("ntsc_mixed")).out);
}

}  // namespace
