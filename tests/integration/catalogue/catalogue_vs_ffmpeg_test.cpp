// The real catalogue compared with what the ffmpeg tool of this machine lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue/kx_sys_dev_enum.h"
#include "component/lumoram.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "tests/integration/catalogue/ffmpeg_tool.h"

namespace {

std::string FriendlyName(const ffmpeg_tool::Listed& listed) {
    return listed.description.empty() ? listed.name : listed.name + " \u2014 " + listed.description;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

class CatalogueVsFfmpeg : public ::testing::Test {
protected:
    void SetUp() override {
        if (!ffmpeg_tool::Available()) GTEST_SKIP() << "the ffmpeg tool is not installed";
        CoInitialize(nullptr);
    }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(CatalogueVsFfmpeg, CodecListsAreTheEncodersFfmpegLists) {
    std::vector<std::string> video, audio;
    for (const auto& encoder : ffmpeg_tool::Encoders()) {
        if (encoder.type == 'V') video.push_back(FriendlyName(encoder));
        if (encoder.type == 'A') audio.push_back(FriendlyName(encoder));
    }
    ASSERT_FALSE(video.empty());
    ASSERT_FALSE(audio.empty());

    TKxLumora lumora;
    lumora.FillDeviceLists();
    EXPECT_EQ(Sorted(lumora.List_VideoCodecs()), Sorted(video));
    EXPECT_EQ(Sorted(lumora.List_AudioCodecs()), Sorted(audio));
}

TEST_F(CatalogueVsFfmpeg, FilterListIsWhatFfmpegListsInItsOrder) {
    std::vector<std::string> filters;
    for (const auto& filter : ffmpeg_tool::Filters())
        filters.push_back(FriendlyName(filter));
    ASSERT_GT(filters.size(), 100u);
    TKxLumora lumora;
    lumora.FillDeviceLists();
    EXPECT_EQ(lumora.List_DirectShowFilters(), filters);
}

TEST_F(CatalogueVsFfmpeg, EntriesCarryTheirFamilysClassAndTheEncodersFourCC) {
    const TKxSysDevEnum video(CLSID_VideoCompressorCategory);
    const TKxSysDevEnum audio(CLSID_AudioCompressorCategory);
    const TKxSysDevEnum filters(CLSID_LegacyAmFilterCategory);
    ASSERT_GT(video.EntryCount(), 0);
    TDeviceEntry first, entry;
    video.GetEntry(0, first);
    EXPECT_FALSE(IsEqualGUID(first.CLSID, GUID_NULL));
    for (int32_t i = 0; i < video.EntryCount(); ++i) {
        video.GetEntry(i, entry);
        EXPECT_TRUE(IsEqualGUID(entry.CLSID, first.CLSID)) << entry.FriendlyName;
    }
    audio.GetEntry(0, entry);
    EXPECT_TRUE(IsEqualGUID(entry.CLSID, first.CLSID)) << "encoders are one family";
    EXPECT_TRUE(entry.FccHandler.empty()) << "audio encoders have no handler code";
    filters.GetEntry(0, entry);
    EXPECT_FALSE(IsEqualGUID(entry.CLSID, first.CLSID));
    EXPECT_FALSE(IsEqualGUID(entry.CLSID, GUID_NULL));

    const std::pair<const char*, const char*> fourCCs[] = {
        {"mpeg4 \u2014 MPEG-4 part 2", "FMP4"},
        {"mpeg2video \u2014 MPEG-2 video", "mpg2"},
        {"mpeg1video \u2014 MPEG-1 video", "mpg1"},
        {"ffv1 \u2014 FFmpeg video codec #1", "FFV1"},
        {"a64multi \u2014 Multicolor charset for Commodore 64", ""},
    };
    for (const auto& [name, fourCC] : fourCCs) {
        const int32_t index = video.FindEntry(name);
        ASSERT_GE(index, 0) << name;
        video.GetEntry(index, entry);
        EXPECT_EQ(entry.FccHandler, fourCC) << name;
    }
}

TEST_F(CatalogueVsFfmpeg, UnknownCategoriesAndMissingDevicesGiveEmptyLists) {
    ComPtr<ICreateDevEnum> devEnum;
    ASSERT_EQ(CoCreateInstance(CLSID_SystemDeviceEnum, devEnum), S_OK);
    IEnumMoniker* monikers = reinterpret_cast<IEnumMoniker*>(1);
    EXPECT_EQ(
        devEnum->CreateClassEnumerator(MakeGuid("{01234567-89AB-CDEF-0123-456789ABCDEF}"), &monikers, 0),
        S_FALSE);
    EXPECT_EQ(monikers, nullptr);
    EXPECT_EQ(devEnum->CreateClassEnumerator(CLSID_VideoCompressorCategory, nullptr, 0), E_POINTER);
    // Whatever devices this machine has, reading them neither fails nor hangs.
    for (const GUID& category : {CLSID_VideoInputDeviceCategory, CLSID_AudioInputDeviceCategory,
                                 CLSID_AudioRendererCategory, AM_KSCATEGORY_TVTUNER}) {
        const HRESULT hr = devEnum->CreateClassEnumerator(category, &monikers, 0);
        EXPECT_TRUE(hr == S_OK || hr == S_FALSE);
        if (monikers) monikers->Release();
    }
}

}  // namespace
