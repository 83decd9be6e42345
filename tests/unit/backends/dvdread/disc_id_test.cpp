// The disc identifier: the CRC-64, what it hashes, and the VIDEO_TS listing.
#include <gtest/gtest.h>

#include <string_view>

#include "backends/dvdread/disc_id.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::dvdread;

std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Crc64, MatchesTheCheckValue) {
    Crc64 crc;
    crc.Add(Bytes("123456789"));
    EXPECT_EQ(crc.Value(), 0x75D4B74F024ECEEAu);
    Crc64 split;
    split.Add(Bytes("1234"));
    split.Add(Bytes("56789"));
    EXPECT_EQ(split.Value(), crc.Value());
    std::vector<uint8_t> many(1003);
    for (size_t i = 0; i < many.size(); ++i)
        many[i] = static_cast<uint8_t>(i * 37);
    Crc64 whole, byteByByte;
    whole.Add(many);
    for (const uint8_t byte : many)
        byteByByte.Add(std::span(&byte, 1));
    EXPECT_EQ(whole.Value(), byteByByte.Value()) << "eight bytes at a time as one by one";
    EXPECT_EQ(Crc64().Value(), ~uint64_t{0}) << "all ones before any byte, and no final xor";
}

TEST(DiscIdOf, IsTheCrcOfTheListingThenTheHeads) {
    const std::vector<VideoTsEntry> listing = {{"VIDEO_TS.IFO", 0x0102030405060708, 0x1'0000'2000}};
    const std::vector<uint8_t> head(70000, 0xA5);
    Crc64 expected;
    const uint8_t entry[] = {8, 7, 6, 5, 4, 3, 2, 1, 0x00, 0x20, 0x00, 0x00};  // time, low 32 bits of size
    expected.Add(entry);
    expected.Add(Bytes(std::string_view("VIDEO_TS.IFO\0", 13)));
    expected.Add(std::span(head).first(65536));
    expected.Add(Bytes("tail"));
    EXPECT_EQ(DiscIdOf(listing, head, Bytes("tail")), expected.Value());
}

TEST(ListVideoTs, RegularFilesSortedByUpperCasedName) {
    const lumora::testing::TempDir root;
    fs::create_directories(root.Path() / "VIDEO_TS/SUBFOLDER");
    root.File("VIDEO_TS/vts_01_0.ifo");
    const fs::path file = root.File("VIDEO_TS/VIDEO_TS.IFO");
    fs::last_write_time(
        file, fs::file_time_type::clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(0))));
    const std::vector<VideoTsEntry> listing = ListVideoTs(root.Path() / "VIDEO_TS");
    ASSERT_EQ(listing.size(), 2u);
    EXPECT_EQ(listing[0].upperName, "VIDEO_TS.IFO");
    EXPECT_EQ(listing[0].fileTime, 116444736000000000u) << "1970-01-01 in 100 ns units since 1601";
    EXPECT_EQ(listing[0].size, 1u);
    EXPECT_EQ(listing[1].upperName, "VTS_01_0.IFO");
}

}  // namespace
