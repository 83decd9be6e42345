// What libdvdread is let near: the kind of path, the IFO/BUP files served from a private folder,
// and the times of an image's directory.
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <set>

#include "backends/dvdread/image_directory.h"
#include "backends/dvdread/private_folder.h"
#include "backends/dvdread/served_folder.h"
#include "backends/dvdread/udf_directory.h"
#include "backends/dvdread/volume_location.h"
#include "platform/unique_fd.h"
#include "tests/support/media_tools.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::dvdread;
using lumora::testing::TempDir;

// An IFO/BUP file whose header names its kind and says its information part ends in lastBlock.
std::string InfoFile(int titleSet, uint8_t lastBlock, size_t size) {
    std::string bytes(size, '\0');
    bytes.replace(0, 12, titleSet == 0 ? "DVDVIDEO-VMG" : "DVDVIDEO-VTS");
    bytes[31] = static_cast<char>(lastBlock);
    return bytes;
}

std::optional<fs::path> SomeBlockDevice() {
    std::error_code error;
    for (fs::directory_iterator it("/dev", error), end; !error && it != end; it.increment(error))
        if (it->is_block_file(error)) return it->path();
    return std::nullopt;
}

TEST(LocateVolume, WhatTheFileIsDecidesNotItsName) {
    TempDir root;
    fs::create_directories(root.Path() / "disc/VIDEO_TS");
    root.File("disc/VIDEO_TS/VIDEO_TS.IFO");
    root.File("film.iso");
    root.File("film.img");
    root.File("VIDEO_TS.IFO");
    fs::create_directories(root.Path() / "folder.iso");
    ASSERT_EQ(mkfifo((root.Path() / "fifo.iso").c_str(), 0600), 0);
    const auto at = [&](const char* name) { return (root.Path() / name).string(); };
    const struct {
        std::string path;
        std::optional<VolumeKind> kind;
    } cases[] = {
        {at("disc"), VolumeKind::Folder},    {at("disc/VIDEO_TS/VIDEO_TS.IFO"), VolumeKind::Folder},
        {at("film.iso"), VolumeKind::Image}, {at("film.img"), VolumeKind::Image},
        {at("VIDEO_TS.IFO"), std::nullopt},  // an IFO file outside any VIDEO_TS folder
        {at("folder.iso"), std::nullopt},    {at("fifo.iso"), std::nullopt},
        {at("missing.iso"), std::nullopt},   {"/dev/null", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto location = LocateVolume(c.path);
        ASSERT_EQ(location.has_value(), c.kind.has_value());
        if (location) {
            EXPECT_EQ(location->kind, *c.kind);
        }
    }
    EXPECT_EQ(LocateVolume(at("disc"))->path, root.Path() / "disc/VIDEO_TS");
    if (const auto device = SomeBlockDevice()) {
        EXPECT_EQ(LocateVolume(device->string())->kind, VolumeKind::Device);
    }
}

class Served : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(videoTs_); }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(videoTs_ / name, std::ios::binary) << bytes;
    }
    static std::set<std::string> NamesIn(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    TempDir root_;
    fs::path videoTs_ = root_.Path() / "VIDEO_TS";
    PrivateFolder private_;
};

TEST_F(Served, OnlyRegularInfoFilesUnderTheirNamesAsLinksToWhatWasChecked) {
    const std::string manager = InfoFile(0, 0, 2048);
    Write("video_ts.ifo", manager);
    Write("VIDEO_TS.BUP", manager);
    ASSERT_EQ(mkfifo((videoTs_ / "VTS_01_0.IFO").c_str(), 0600), 0);
    Write("VTS_01_0.BUP", InfoFile(1, 0, 2048));
    fs::create_directories(videoTs_ / "VTS_02_0.IFO");
    Write("VTS_02_1.VOB", "video");
    Write("VTS_00_0.IFO", manager);
    Write("NOTES.TXT", "notes");

    const auto served = ServedFolder::Serve(videoTs_, private_.Path(), BackupUse::WhenMainIsBroken);
    ASSERT_TRUE(served);
    EXPECT_EQ(NamesIn(private_.Path()),
              (std::set<std::string>{"VIDEO_TS.IFO", "VIDEO_TS.BUP", "VTS_01_0.BUP"}));
    EXPECT_EQ(fs::read_symlink(private_.Path() / "VIDEO_TS.IFO").string(),
              "/proc/self/fd/" + std::to_string(served->MainFile(0)));
    std::ifstream link(private_.Path() / "VIDEO_TS.IFO", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(link), {}), manager);
    EXPECT_EQ(served->MainFile(1), -1) << "the FIFO was not kept";

    EXPECT_FALSE(served->FallBackToBackup(1)) << "no IFO served";
    EXPECT_TRUE(served->FallBackToBackup(0));
    EXPECT_EQ(NamesIn(private_.Path()), (std::set<std::string>{"VIDEO_TS.BUP", "VTS_01_0.BUP"}));
    EXPECT_FALSE(served->FallBackToBackup(0)) << "only once";
}

TEST_F(Served, AnIntactBackupStandsInForABrokenMain) {
    const std::string intact = InfoFile(1, 2, 3 * 2048);
    const std::set<std::string> both = {"VTS_01_0.IFO", "VTS_01_0.BUP"}, backup = {"VTS_01_0.BUP"};
    constexpr BackupUse kMainFirst = BackupUse::WhenMainIsBroken, kBackupFirst = BackupUse::WhenIntact;
    const struct {
        const char* what;
        std::string main, backup;
        BackupUse use;
        std::set<std::string> served;
    } cases[] = {
        {"both intact", intact, intact, kMainFirst, both},
        {"main cut short", intact.substr(0, 3 * 2048 - 1), intact, kMainFirst, backup},
        {"main of another kind", InfoFile(0, 2, 3 * 2048), intact, kMainFirst, backup},
        {"both cut short", intact.substr(0, 2048), intact.substr(0, 4096), kMainFirst, both},
        {"both intact, backups first", intact, intact, kBackupFirst, backup},
        {"backup cut short, backups first", intact, intact.substr(0, 10), kBackupFirst, both},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write("VTS_01_0.IFO", c.main);
        Write("VTS_01_0.BUP", c.backup);
        PrivateFolder folder;
        ASSERT_TRUE(ServedFolder::Serve(videoTs_, folder.Path(), c.use));
        EXPECT_EQ(NamesIn(folder.Path()), c.served);
    }
}

// A small ISO 9660 image: the primary volume descriptor at sector 16, the terminator at 17, the
// root folder at 18 holding VIDEO_TS at 19, which lists VIDEO_TS.IFO (sector 20) and a two-extent
// VTS_01_1.VOB.
std::vector<uint8_t> SmallImage() {
    std::vector<uint8_t> image(21 * 2048);
    const auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            image[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    const auto record = [&](size_t at, const std::string& name, uint32_t extent, uint32_t size,
                            uint8_t flags) {
        const size_t length = 33 + name.size() + (name.size() % 2 == 0);
        image[at] = static_cast<uint8_t>(length);
        put32(at + 2, extent);
        put32(at + 10, size);
        const uint8_t time[7] = {121, 5, 6, 7, 8, 9, 0};
        std::copy(time, time + 7, image.begin() + static_cast<long>(at + 18));
        image[at + 25] = flags;
        image[at + 32] = static_cast<uint8_t>(name.size());
        std::copy(name.begin(), name.end(), image.begin() + static_cast<long>(at + 33));
        return at + length;
    };
    const size_t pvd = 16 * 2048;
    image[pvd] = 1;
    std::copy_n("CD001", 5, image.begin() + pvd + 1);
    image[pvd + 128] = 0x00;
    image[pvd + 129] = 0x08;
    record(pvd + 156, std::string(1, '\0'), 18, 2048, 2);
    image[17 * 2048] = 255;
    std::copy_n("CD001", 5, image.begin() + 17 * 2048 + 1);
    size_t at = record(18 * 2048, std::string(1, '\0'), 18, 2048, 2);
    at = record(at, std::string(1, '\1'), 18, 2048, 2);
    record(at, "VIDEO_TS", 19, 2048, 2);
    at = record(19 * 2048, std::string(1, '\0'), 19, 2048, 2);
    at = record(at, "vts_01_1.vob;1", 100, 1000, 0x80);
    at = record(at, "vts_01_1.vob;1", 200, 24, 0);
    record(at, "VIDEO_TS.IFO;1", 20, 100, 0);
    return image;
}

// A descriptor of the bytes in memory; -1 when it cannot be made.
int InMemory(const std::vector<uint8_t>& bytes) {
    const int fd = memfd_create("image", MFD_CLOEXEC);
    if (fd >= 0 && write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

TEST(ImageDirectory, TheVideoTsFolderByItsDirectoryRecords) {
    const UniqueFd image(InMemory(SmallImage()));
    ASSERT_TRUE(image.IsOpen());
    EXPECT_TRUE(HasVolumeDescriptors(image.Get()));
    const std::vector<ImageFile> files = ReadImageVideoTs(image.Get());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].entry.upperName, "VIDEO_TS.IFO");
    EXPECT_EQ(files[0].entry.size, 100u);
    EXPECT_EQ(files[0].offset, 20u * 2048);
    EXPECT_EQ(files[0].entry.fileTime, 132647584890000000u) << "2021-05-06 07:08:09 UTC";
    EXPECT_EQ(files[1].entry.upperName, "VTS_01_1.VOB");
    EXPECT_EQ(files[1].entry.size, 1024u) << "both extents";
    EXPECT_EQ(files[1].offset, 100u * 2048);
}

// Every byte of the descriptors and folders set to values that break lengths, extents and flags:
// the reading stays inside its buffers (the sanitizer build checks) and ends.
TEST(ImageDirectory, DamagedRecordsNeverReadOutOfBounds) {
    const std::vector<uint8_t> intact = SmallImage();
    for (size_t at = 16 * 2048; at < 20 * 2048; ++at) {
        if (intact[at] == 0 && at % 64 != 0) continue;  // runs of padding: a sample is enough
        for (const uint8_t value : {uint8_t{0}, uint8_t{1}, uint8_t{0x22}, uint8_t{0xFF}}) {
            std::vector<uint8_t> damaged = intact;
            damaged[at] = value;
            const UniqueFd image(InMemory(damaged));
            ASSERT_TRUE(image.IsOpen());
            for (const ImageFile& file : ReadImageVideoTs(image.Get()))
                EXPECT_LE(file.entry.upperName.size(), 255u);
        }
    }
}

// genisoimage's UDF side lists what its ISO 9660 side lists (times in whole seconds); damaged
// anywhere in its descriptors and entries, the reading stays inside its buffers and ends.
TEST(UdfDirectory, ListsTheVideoTsFolderAsIso9660Does) {
    TempDir root;
    fs::create_directories(root.Path() / "disc/VIDEO_TS");
    root.File("disc/VIDEO_TS/VIDEO_TS.IFO", std::string(5000, 'v'));
    root.File("disc/VIDEO_TS/vts_01_0.ifo");
    const std::string disc = lumora::testing::ShellQuote((root.Path() / "disc").string());
    const auto image = lumora::testing::RunCommand("touch -d @1620284889 " + disc +
                                                   "/VIDEO_TS/* && genisoimage -quiet -udf " + disc);
    if (!image) GTEST_SKIP() << "SKIPPED LOUDLY: genisoimage is missing or failed";
    const UniqueFd fd(InMemory({image->begin(), image->end()}));
    const UdfListing udf = ReadUdfVideoTs(fd.Get());
    const std::vector<ImageFile> iso = ReadImageVideoTs(fd.Get());
    ASSERT_EQ(udf.files.size(), 2u);
    EXPECT_EQ(udf.files[1].entry.fileTime, iso.at(1).entry.fileTime) << "whole seconds on both sides";
    EXPECT_EQ(udf.files[1].offset, iso.at(1).offset);
    EXPECT_LE(udf.end, image->size());
    for (size_t at = 32 * 2048; at < std::min<size_t>(udf.end, 300 * 2048); ++at) {
        if (((*image)[at] == 0 && at % 64 != 0) || (at >= 38 * 2048 && at < 256 * 2048)) continue;
        for (const char value : {'\0', '\x80', '\xFF', (*image)[at]}) {
            ASSERT_EQ(pwrite(fd.Get(), &value, 1, static_cast<off_t>(at)), 1);
            EXPECT_LE(ReadUdfVideoTs(fd.Get()).files.size(), 2u);
        }
    }
}

TEST(ImageDirectory, RecordingTimesWithTheirOffsetFromUtc) {
    const uint8_t epoch[7] = {70, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(IsoRecordingTimeToFileTime(epoch), 116444736000000000u);
    const uint8_t india[7] = {121, 5, 6, 7, 8, 9, 22};  // 2021-05-06 07:08:09 at UTC+5:30
    EXPECT_EQ(IsoRecordingTimeToFileTime(india), 132647386890000000u);
    const uint8_t west[7] = {121, 5, 6, 7, 8, 9, static_cast<uint8_t>(-20)};  // UTC-5
    EXPECT_EQ(IsoRecordingTimeToFileTime(west), 132647386890000000u + (19800 + 18000) * uint64_t{10'000'000});
    const uint8_t noDate[7] = {0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(IsoRecordingTimeToFileTime(noDate), 0u);
}

}  // namespace
