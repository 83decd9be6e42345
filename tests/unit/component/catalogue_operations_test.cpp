// TKxLumora's catalogue operations over the fake enumerator.
#include <gtest/gtest.h>

#include "catalogue/ole_sys_error.h"
#include "component/lumoram.h"
#include "tests/support/fake_catalogue.h"

namespace {

using fakes::FakeFilter;
using fakes::FakePlatform;
using fakes::FilterLog;
using fakes::Named;
using fakes::RecordingHost;

// The categories in the order the lists are filled, with the list each fills.
const struct {
    GUID category;
    const TStrings& (TKxLumora::*list)() const;
} kLists[] = {
    {CLSID_AudioCompressorCategory, &TKxLumora::List_AudioCodecs},
    {CLSID_VideoCompressorCategory, &TKxLumora::List_VideoCodecs},
    {CLSID_LegacyAmFilterCategory, &TKxLumora::List_DirectShowFilters},
    {CLSID_VideoInputDeviceCategory, &TKxLumora::List_VideoCaptureDevices},
    {CLSID_AudioInputDeviceCategory, &TKxLumora::List_AudioCaptureDevices},
    {CLSID_AudioRendererCategory, &TKxLumora::List_AudioOutputDevices},
    {AM_KSCATEGORY_TVTUNER, &TKxLumora::List_TVTuners},
};

void ScriptEveryCategory(FakePlatform& platform) {
    int n = 0;
    for (const auto& list : kLists) {
        const std::string tag = std::to_string(n++);
        platform.Category(list.category).members = {Named("z" + tag), Named("A" + tag), Named("z" + tag)};
    }
}

TEST(FillDeviceLists, FillsTheSevenListsInTheirOrderAsEnumerated) {
    FakePlatform platform;
    ScriptEveryCategory(platform);
    platform.Category(CLSID_AudioRendererCategory).result = S_FALSE;
    TKxLumora lumora;
    lumora.FillDeviceLists();

    ASSERT_EQ(platform.log.enumerated.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(IsEqualGUID(platform.log.enumerated[i], kLists[i].category));
        const TStrings& names = (lumora.*kLists[i].list)();
        if (IsEqualGUID(kLists[i].category, CLSID_AudioRendererCategory)) {
            EXPECT_TRUE(names.empty()) << "a category without members leaves its list empty";
        } else {
            const std::string tag = std::to_string(i);
            EXPECT_EQ(names, (TStrings{"z" + tag, "A" + tag, "z" + tag})) << "unsorted, duplicates kept";
        }
    }
    EXPECT_EQ(platform.creations, 7) << "every category is read afresh from the platform";

    lumora.FillDeviceLists();
    EXPECT_EQ(lumora.List_TVTuners().size(), 3u) << "a second filling replaces, not appends";
}

TEST(FillDeviceLists, AFailureAtOnceLeavesEveryListEmpty) {
    FakePlatform platform;
    ScriptEveryCategory(platform);
    TKxLumora lumora;
    lumora.FillDeviceLists();
    platform.failAfter = platform.creations;  // the next enumerator cannot be created
    EXPECT_THROW(lumora.FillDeviceLists(), EOleSysError);
    for (const auto& list : kLists)
        EXPECT_TRUE((lumora.*list.list)().empty()) << "emptied before the failure";
}

TEST(FillDeviceLists, AFailurePartWayKeepsTheEarlierLists) {
    FakePlatform platform;
    ScriptEveryCategory(platform);
    // The platform's enumerator is made for each category; the third one fails.
    platform.failAfter = 2;
    TKxLumora lumora;
    EXPECT_THROW(lumora.FillDeviceLists(), EOleSysError);
    EXPECT_EQ(lumora.List_AudioCodecs().size(), 3u);
    EXPECT_EQ(lumora.List_VideoCodecs().size(), 3u);
    EXPECT_TRUE(lumora.List_DirectShowFilters().empty());
    EXPECT_TRUE(lumora.List_VideoCaptureDevices().empty());
    EXPECT_TRUE(lumora.List_TVTuners().empty());
}

TEST(CatalogueSettings, HasAndShowActOnTheLaterOfEqualNamesInTheirOwnCategory) {
    FakePlatform platform;
    RecordingHost host;
    const ScopedDialogHost installed(&host);
    FilterLog earlierLog, laterLog;
    platform.Category(CLSID_VideoCompressorCategory).members = {
        Named("Codec", FakeFilter::Make({.name = "earlier"}, &earlierLog)),
        Named("other"),
        Named("CODEC", FakeFilter::Make({.name = "later", .compressQuery = S_OK}, &laterLog)),
    };
    platform.Category(CLSID_AudioCompressorCategory).members = {
        Named("Codec", FakeFilter::Make({.name = "audio", .pagesQuery = S_OK, .pageCount = 0}))};
    platform.Category(CLSID_LegacyAmFilterCategory).members = {
        Named("Filter", FakeFilter::Make({.name = "filter", .pagesQuery = S_OK, .pageCount = 0}))};
    const TKxLumora lumora;

    EXPECT_TRUE(lumora.HasVideoCodecSettings("codec", sdkCompressorConfig));
    EXPECT_FALSE(lumora.HasVideoCodecSettings("codec", sdkPropertyPages));
    EXPECT_TRUE(lumora.HasAudioCodecSettings("codec", sdkPropertyPages)) << "each operation has its category";
    EXPECT_FALSE(lumora.HasAudioCodecSettings("filter", sdkPropertyPages));
    EXPECT_TRUE(lumora.HasDSFilterSettings("FILTER", sdkPropertyPages));
    EXPECT_FALSE(lumora.HasDSFilterSettings("", sdkPropertyPages));
    EXPECT_FALSE(lumora.HasVideoCodecSettings("other", sdkPropertyPages)) << "no filter object: false";

    lumora.ShowVideoCodecSettings("Codec", sdkCompressorConfig);
    ASSERT_EQ(laterLog.compressShowCalls.size(), 3u) << "Has queried once; Show queried and showed";
    EXPECT_EQ(laterLog.compressShowCalls.back(), std::make_pair(1, HWND{})) << "no owner window";
    EXPECT_TRUE(earlierLog.compressShowCalls.empty());

    lumora.ShowAudioCodecSettings("codec", sdkPropertyPages);
    lumora.ShowDSFilterSettings("filter", sdkPropertyPages);
    lumora.ShowDSFilterSettings("no such filter", sdkPropertyPages);
    ASSERT_EQ(host.frames.size(), 2u);
    EXPECT_EQ(host.frames[0].caption, "audio");
    EXPECT_EQ(host.frames[1].caption, "filter");
}

TEST(CatalogueSettings, FailuresAreSwallowed) {
    FakePlatform platform;
    platform.Category(CLSID_VideoCompressorCategory).members = {
        Named("Codec", FakeFilter::Make({.pagesQuery = S_OK, .pageCount = 0}))};
    platform.failAfter = 0;  // no enumerator at all
    const TKxLumora lumora;
    EXPECT_FALSE(lumora.HasVideoCodecSettings("Codec", sdkPropertyPages));
    EXPECT_NO_THROW(lumora.ShowVideoCodecSettings("Codec", sdkPropertyPages));

    platform.failAfter = 1;  // the list is read, the member cannot be reached
    EXPECT_FALSE(lumora.HasVideoCodecSettings("Codec", sdkPropertyPages));
    EXPECT_EQ(platform.log.binds, 0);
}

}  // namespace
