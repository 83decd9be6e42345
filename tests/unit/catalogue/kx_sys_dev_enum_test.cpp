#include "catalogue/kx_sys_dev_enum.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "catalogue/ole_sys_error.h"
#include "tests/support/fake_catalogue.h"

namespace {

using fakes::FakeFilter;
using fakes::FakePlatform;
using fakes::FilterScript;
using fakes::MemberScript;
using fakes::Named;

constexpr GUID kCategory = CLSID_VideoCompressorCategory;

std::string Repeat(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string EntryName(const TKxSysDevEnum& devices, int32_t index) {
    TDeviceEntry entry;
    devices.GetEntry(index, entry);
    return entry.FriendlyName;
}

TEST(TKxSysDevEnum, ListsEveryMemberInThePlatformsOrderWithItsThreeProperties) {
    FakePlatform platform;
    MemberScript first = Named("Zeta");
    first.clsid = "{3B5E606D-5675-43E2-BE53-397F2D3C4EAB}";
    first.fccHandler = "H264";
    platform.Category(kCategory).members = {first, Named("alpha"), Named("Zeta")};

    const TKxSysDevEnum devices(kCategory);
    EXPECT_TRUE(IsEqualGUID(devices.Category(), kCategory));
    ASSERT_EQ(devices.EntryCount(), 3) << "duplicates are kept";
    TDeviceEntry entry;
    devices.GetEntry(0, entry);
    EXPECT_EQ(entry.FriendlyName, "Zeta");
    EXPECT_EQ(GuidToString(entry.CLSID), "{3B5E606D-5675-43E2-BE53-397F2D3C4EAB}");
    EXPECT_EQ(entry.FccHandler, "H264");
    EXPECT_EQ(EntryName(devices, 1), "alpha") << "not sorted";
    EXPECT_EQ(EntryName(devices, 2), "Zeta");
    EXPECT_THROW(devices.GetEntry(3, entry), std::out_of_range);
    EXPECT_THROW(devices.GetEntry(-1, entry), std::out_of_range);
}

TEST(TKxSysDevEnum, MembersWithMissingOrBrokenPropertiesAreListedWithEmptyFields) {
    FakePlatform platform;
    MemberScript bare;  // no property at all
    MemberScript badClsid = Named("bad clsid");
    badClsid.clsid = "3B5E606D-5675-43E2-BE53-397F2D3C4EAB";  // no braces
    MemberScript noStorage = Named("never read");
    noStorage.storageFails = true;
    platform.Category(kCategory).members = {bare, badClsid, noStorage, Named("last")};

    const TKxSysDevEnum devices(kCategory);
    ASSERT_EQ(devices.EntryCount(), 4) << "every member is listed, so indices match the platform's";
    TDeviceEntry entry;
    devices.GetEntry(0, entry);
    EXPECT_EQ(entry.FriendlyName, "");
    EXPECT_TRUE(IsEqualGUID(entry.CLSID, GUID_NULL));
    EXPECT_EQ(entry.FccHandler, "");
    devices.GetEntry(1, entry);
    EXPECT_EQ(entry.FriendlyName, "bad clsid");
    EXPECT_TRUE(IsEqualGUID(entry.CLSID, GUID_NULL));
    devices.GetEntry(2, entry);
    EXPECT_EQ(entry.FriendlyName, "");
    EXPECT_EQ(EntryName(devices, 3), "last");
}

TEST(TKxSysDevEnum, NamesAreCutAt255CharactersNeverInsideACharacter) {
    FakePlatform platform;
    const std::string cyrillic = Repeat("Ж", 300);              // two bytes each
    const std::string mixed = Repeat("a", 254) + "😀" + "tail";  // a four-byte character at 255
    MemberScript handler = Named(cyrillic);
    handler.fccHandler = Repeat("é", 256);
    platform.Category(kCategory).members = {handler, Named(mixed), Named(Repeat("b", 255))};

    const TKxSysDevEnum devices(kCategory);
    TDeviceEntry entry;
    devices.GetEntry(0, entry);
    EXPECT_EQ(entry.FriendlyName, Repeat("Ж", 255));
    EXPECT_EQ(entry.FccHandler, Repeat("é", 255));
    EXPECT_EQ(EntryName(devices, 1), Repeat("a", 254) + "😀");
    EXPECT_EQ(EntryName(devices, 2), Repeat("b", 255)) << "exactly 255 characters stay whole";

    EXPECT_EQ(devices.FindEntry(cyrillic), -1) << "the full name is no longer there";
    EXPECT_EQ(devices.FindEntry(Repeat("ж", 255)), 0);
}

TEST(TKxSysDevEnum, FindEntryIgnoresLetterCaseInEveryScriptAndTakesTheLastMatch) {
    FakePlatform platform;
    platform.Category(kCategory).members = {Named("Codec A"), Named("Видео КОДЕК Ё"),
                                            Named("codec a"), Named("ΣΊΣΥΦΟΣ"),
                                            Named(""),        Named("Ÿ Ǆ")};
    const TKxSysDevEnum devices(kCategory);
    EXPECT_EQ(devices.FindEntry("CODEC A"), 2);
    EXPECT_EQ(devices.FindEntry("Codec A"), 2) << "the later of two names equal but for case";
    EXPECT_EQ(devices.FindEntry("видео кодек ё"), 1);
    EXPECT_EQ(devices.FindEntry("σίσυφοσ"), 3);
    EXPECT_EQ(devices.FindEntry("ÿ Ǆ"), 5);
    EXPECT_EQ(devices.FindEntry(""), 4) << "a member may have an empty name";
    EXPECT_EQ(devices.FindEntry("Codec"), -1) << "prefixes do not match";
    EXPECT_EQ(devices.FindEntry("Codec A "), -1);

    const TKxSysDevEnum none;
    EXPECT_EQ(none.EntryCount(), 0);
    EXPECT_TRUE(IsEqualGUID(none.Category(), GUID_NULL));
    EXPECT_EQ(none.FindEntry(""), -1);
}

TEST(TKxSysDevEnum, CategoriesWithoutMembersGiveEmptyLists) {
    FakePlatform platform;
    platform.Category(CLSID_AudioCompressorCategory).result = S_FALSE;
    platform.Category(CLSID_LegacyAmFilterCategory).result = E_FAIL;
    platform.Category(kCategory).members = {Named("one")};

    TKxSysDevEnum devices(kCategory);
    ASSERT_EQ(devices.EntryCount(), 1);
    devices.SelectCategory(CLSID_AudioCompressorCategory);
    EXPECT_EQ(devices.EntryCount(), 0) << "S_FALSE: no members; the earlier entries are gone";
    devices.SelectCategory(CLSID_LegacyAmFilterCategory);
    EXPECT_EQ(devices.EntryCount(), 0);
    devices.SelectCategory(AM_KSCATEGORY_TVTUNER);  // unknown to the fake
    EXPECT_EQ(devices.EntryCount(), 0);
    EXPECT_EQ(devices.FindEntry("one"), -1);
}

TEST(TKxSysDevEnum, SelectingACategoryAgainReadsThePlatformAgain) {
    FakePlatform platform;
    platform.Category(kCategory).members = {Named("one"), Named("two")};
    TKxSysDevEnum devices(kCategory);
    platform.Category(kCategory).members.push_back(Named("three"));
    devices.SelectCategory(kCategory);
    EXPECT_EQ(devices.EntryCount(), 3);
    EXPECT_EQ(platform.log.enumerated.size(), 2u);
}

TEST(TKxSysDevEnum, AnEnumeratorThatCannotBeCreatedIsAnError) {
    FakePlatform platform;
    platform.failAfter = 0;
    platform.failure = E_OUTOFMEMORY;
    try {
        TKxSysDevEnum devices(kCategory);
        FAIL() << "no exception";
    } catch (const EOleSysError& error) {
        EXPECT_EQ(error.ErrorCode(), E_OUTOFMEMORY);
        EXPECT_NE(std::string(error.what()).find("0x8007000E"), std::string::npos) << error.what();
    }
}

TEST(TKxSysDevEnum, CreateEntryFilterChecksTheRangeBeforeAnyPlatformCall) {
    FakePlatform platform;
    auto first = FakeFilter::Make({.name = "first"});
    auto second = FakeFilter::Make({.name = "second"});
    platform.Category(kCategory).members = {Named("a", first), Named("b", second), Named("unbindable")};
    const TKxSysDevEnum devices(kCategory);
    const int creations = platform.creations;

    ComPtr<IBaseFilter> filter = FakeFilter::Make({});
    for (int32_t index : {-1, 3, 4, INT32_MIN, INT32_MAX}) {
        devices.CreateEntryFilter(index, filter);
        EXPECT_FALSE(filter) << index;
    }
    EXPECT_EQ(platform.creations, creations) << "out of range: no platform call";

    devices.CreateEntryFilter(1, filter);
    EXPECT_EQ(filter.Get(), second.Get());
    EXPECT_EQ(platform.log.skips.back(), 1u) << "a fresh enumeration skips to the member";
    devices.CreateEntryFilter(2, filter);
    EXPECT_FALSE(filter) << "a member whose object cannot be made gives null";

    platform.Category(kCategory).members.resize(1);  // members left since the list was read
    devices.CreateEntryFilter(1, filter);
    EXPECT_FALSE(filter);
    platform.failAfter = platform.creations;
    devices.CreateEntryFilter(0, filter);
    EXPECT_FALSE(filter) << "an enumerator that cannot be created gives null, not an error";
}

}  // namespace
