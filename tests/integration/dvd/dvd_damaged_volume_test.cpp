// Volumes with odd or broken IFO files: what is not a regular file counts as missing and never
// holds the reading, and an intact BUP stands in for a broken IFO.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <set>

#include "tests/integration/dvd/authored_volumes.h"
#include "tests/integration/dvd/dvd_expectations.h"
#include "tests/integration/dvd/dvd_test_volumes.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::testing;
using namespace std::chrono_literals;

using DamagedVolumes = AuthoredVolumes;

enum class Odd { Fifo, Folder, Socket, Device };

void Replace(const fs::path& file, Odd odd) {
    fs::remove(file);
    switch (odd) {
        case Odd::Fifo: ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); break;
        case Odd::Folder: fs::create_directory(file); break;
        case Odd::Device: fs::create_symlink("/dev/zero", file); break;
        case Odd::Socket: {
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            ASSERT_LT(file.string().size(), sizeof address.sun_path);
            file.string().copy(address.sun_path, sizeof address.sun_path - 1);
            ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            close(fd);
            break;
        }
    }
}

// pal_mixed: title set 1 holds titles 1 and 2, sets 2 and 3 hold titles 3 and 4.
TEST_F(DamagedVolumes, WhatIsNoRegularFileCountsAsMissingAndNeverHolds) {
    const struct {
        const char* what;
        std::vector<std::pair<const char*, Odd>> odd;
        std::set<int32_t> lostTitles;  // indexes
    } cases[] = {
        {"a title set's IFO and BUP are FIFOs",
         {{"VTS_01_0.IFO", Odd::Fifo}, {"VTS_01_0.BUP", Odd::Fifo}},
         {0, 1}},
        {"VIDEO_TS.IFO is a FIFO: the BUP is read", {{"VIDEO_TS.IFO", Odd::Fifo}}, {}},
        {"a folder and a socket", {{"VTS_02_0.IFO", Odd::Folder}, {"VTS_02_0.BUP", Odd::Socket}}, {2}},
        {"a device: the BUP is read", {{"VTS_03_0.IFO", Odd::Device}}, {}},
    };
    TKxLumora intact;
    Read(intact, Volume("pal_mixed"));
    ASSERT_EQ(intact.DVDInfo().Titles.Count(), 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VolumeCopy copy(Volume("pal_mixed"), "odd");
        for (const auto& [name, odd] : c.odd)
            Replace(copy.VideoTs() / name, odd);
        TKxLumora lumora;
        const auto start = std::chrono::steady_clock::now();
        const TKxDVDInfo& dvd = Read(lumora, copy.Root());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
        EXPECT_TRUE(lumora.DVDVolumeRead());
        ASSERT_EQ(dvd.Titles.Count(), 4);
        for (int32_t i = 0; i < 4; ++i) {
            const TKx_DVD_TitleInfo& title = dvd.Titles.Items(i);
            if (c.lostTitles.count(i)) {
                EXPECT_EQ(title.NumberOfChapters, 0u) << "title " << i + 1 << " as for an unreadable set";
                EXPECT_EQ(title.TitleAttributes.VideoAttributes.ulSourceResolutionX, 0u);
            } else {
                EXPECT_EQ(title.NumberOfChapters, intact.DVDInfo().Titles.Items(i).NumberOfChapters);
                EXPECT_EQ(
                    title.TitleAttributes.VideoAttributes.ulSourceResolutionX,
                    intact.DVDInfo().Titles.Items(i).TitleAttributes.VideoAttributes.ulSourceResolutionX);
            }
        }
        if (c.lostTitles.empty()) ExpectSameReading(intact.DVDInfo(), dvd);
    }
}

TEST_F(DamagedVolumes, ACutInfoFileIsReadFromItsBackupAtEveryLength) {
    TKxLumora intact;
    Read(intact, Volume("pal_mixed"));
    for (const char* name : {"VIDEO_TS.IFO", "VTS_02_0.IFO"}) {
        VolumeCopy copy(Volume("pal_mixed"), "cut");
        const std::vector<uint8_t> whole = ReadBytes(copy.VideoTs() / name);
        std::set<size_t> lengths;
        for (size_t length = 0; length <= whole.size(); length += 128)
            lengths.insert(length);
        for (size_t block = 2048; block <= whole.size(); block += 2048)
            lengths.insert({block - 1, block, block + 1});
        lengths.insert(whole.size() - 1);
        for (const size_t length : lengths) {
            if (length > whole.size()) continue;
            SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(length) + " bytes");
            WriteBytes(copy.VideoTs() / name, std::vector<uint8_t>(whole.begin(), whole.begin() + length));
            TKxLumora lumora;
            ExpectSameReading(intact.DVDInfo(), Read(lumora, copy.Root()));
            if (HasFailure()) return;
        }
    }
}

}  // namespace
