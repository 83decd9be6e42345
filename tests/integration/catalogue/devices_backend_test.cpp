// The enumerator backend's own objects: conformance of the moniker enumerator, the monikers and
// property bags, and device scans over folders that hold no real devices.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "backends/devices/alsa_devices.h"
#include "backends/devices/dvb_tuners.h"
#include "backends/devices/v4l2_devices.h"
#include "platform/base_filter.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "platform/property_bag.h"
#include "platform/property_pages.h"
#include "platform/utf8.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace lumora::devices;
using lumora::testing::TempDir;

TEST(DevenumBackend, EnumeratorMonikersAndBagsFollowTheRules) {
    ComPtr<ICreateDevEnum> devEnum;
    ASSERT_EQ(CoCreateInstance(CLSID_SystemDeviceEnum, devEnum), S_OK);
    ComPtr<IEnumMoniker> monikers;
    ASSERT_EQ(devEnum->CreateClassEnumerator(CLSID_AudioCompressorCategory, monikers.Put(), 0), S_OK);

    IMoniker* two[2] = {};
    EXPECT_EQ(monikers->Next(2, two, nullptr), E_INVALIDARG) << "several monikers need a count";
    EXPECT_EQ(monikers->Next(1, nullptr, nullptr), E_POINTER);
    ULONG fetched = 0;
    ASSERT_EQ(monikers->Next(2, two, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    ComPtr<IMoniker> first = ComPtr<IMoniker>::Attach(two[0]);
    ComPtr<IMoniker> second = ComPtr<IMoniker>::Attach(two[1]);

    ComPtr<IPropertyBag> bag;
    ASSERT_EQ(first->BindToStorage(nullptr, nullptr, IID_IPropertyBag, bag.PutVoid()), S_OK);
    VARIANT value;
    EXPECT_EQ(bag->Read("FriendlyName", &value, nullptr), S_OK);
    EXPECT_TRUE(std::holds_alternative<std::string>(value));
    EXPECT_EQ(bag->Read("CLSID", &value, nullptr), S_OK);
    CLSID clsid;
    EXPECT_EQ(CLSIDFromString(std::get<std::string>(value), &clsid), S_OK);
    EXPECT_EQ(bag->Read("FccHandler", &value, nullptr), E_INVALIDARG) << "audio encoders have none";
    EXPECT_EQ(bag->Read("NoSuchProperty", &value, nullptr), E_INVALIDARG);
    EXPECT_EQ(bag->Read(nullptr, &value, nullptr), E_POINTER);
    ComPtr<IBaseFilter> wrong;
    EXPECT_EQ(first->BindToStorage(nullptr, nullptr, IID_IBaseFilter, wrong.PutVoid()), E_NOINTERFACE);

    ComPtr<IBaseFilter> filter;
    ASSERT_EQ(second->BindToObject(nullptr, nullptr, IID_IBaseFilter, filter.PutVoid()), S_OK);
    FILTER_INFO info;
    info.pGraph = reinterpret_cast<IFilterGraph*>(1);
    EXPECT_EQ(filter->QueryFilterInfo(&info), S_OK);
    EXPECT_FALSE(info.achName.empty());
    EXPECT_EQ(info.pGraph, nullptr) << "no graph holds the filter";
    EXPECT_EQ(filter->QueryFilterInfo(nullptr), E_POINTER);
    ComPtr<IBaseFilter> extra = filter;
    EXPECT_EQ(filter.Detach()->Release(), 1u);
    EXPECT_EQ(extra.Detach()->Release(), 0u) << "the last release destroys the filter";

    EXPECT_EQ(monikers->Skip(1000000), S_FALSE);
    IMoniker* none = reinterpret_cast<IMoniker*>(1);
    EXPECT_EQ(monikers->Next(1, &none, &fetched), S_FALSE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(monikers->Reset(), S_OK);
    ComPtr<IMoniker> again;
    EXPECT_EQ(monikers->Next(1, again.Put(), nullptr), S_OK);
}

TEST(DevenumBackend, FilterObjectsOfferOnlyTheSettingsTheyHave) {
    ComPtr<ICreateDevEnum> devEnum;
    ASSERT_EQ(CoCreateInstance(CLSID_SystemDeviceEnum, devEnum), S_OK);
    ComPtr<IEnumMoniker> monikers;
    ASSERT_EQ(devEnum->CreateClassEnumerator(CLSID_LegacyAmFilterCategory, monikers.Put(), 0), S_OK);
    int withPages = 0, withoutPages = 0;
    for (ComPtr<IMoniker> moniker; monikers->Next(1, moniker.Put(), nullptr) == S_OK;) {
        ComPtr<IBaseFilter> filter;
        ASSERT_EQ(moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter, filter.PutVoid()), S_OK);
        ComPtr<ISpecifyPropertyPages> pages;
        if (filter.As(pages) != S_OK) {
            ++withoutPages;
            continue;
        }
        ++withPages;
        CAUUID list;
        ASSERT_EQ(pages->GetPages(&list), S_OK);
        EXPECT_LE(list.cElems, 1u);
        CoTaskMemFree(list.pElems);
        ComPtr<IUnknown> dialogs;
        EXPECT_EQ(
            filter->QueryInterface(MakeGuid("{D8D715A3-6E5E-11D0-B3F0-00AA003761C5}"), dialogs.PutVoid()),
            E_NOINTERFACE)
            << "filters are no compressors";
    }
    EXPECT_GT(withPages, 100);
    EXPECT_GT(withoutPages, 0);
}

TEST(DevenumBackend, DeviceScansSkipWhatIsNoDeviceAndNeverBlock) {
    TempDir folder;
    std::ofstream(folder.Path() / "video0") << "not a device";
    std::ofstream(folder.Path() / "video1x") << "not numbered";
    ASSERT_EQ(mkfifo((folder.Path() / "video2").c_str(), 0600), 0);  // opening a FIFO could block
    fs::create_directories(folder.Path() / "adapter0");
    ASSERT_EQ(mkfifo((folder.Path() / "adapter0" / "frontend0").c_str(), 0600), 0);
    std::ofstream(folder.Path() / "adapter0" / "frontend1") << "";

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(V4L2CaptureMembers(folder.Path().string()).empty());
    EXPECT_TRUE(V4L2TunerMembers(folder.Path().string()).empty());
    EXPECT_TRUE(DvbTunerMembers(folder.Path().string()).empty());
    EXPECT_TRUE(DvbTunerMembers((folder.Path() / "missing").string()).empty());
    EXPECT_TRUE(V4L2CaptureMembers("/nonexistent-folder").empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    EXPECT_EQ(V4L2HasDialog((folder.Path() / "video2").string(), 1), E_FAIL);
    EXPECT_EQ(V4L2HasDialog((folder.Path() / "video2").string(), 3), E_INVALIDARG);
    CaptureDialogDescription description;
    EXPECT_EQ(V4L2DescribeDialog((folder.Path() / "video0").string(), "x", 1, &description), E_FAIL);
}

TEST(DevenumBackend, SoundCardsAreListedWhateverTheMachineHas) {
    // Without /dev/snd both lists are empty; with cards every name is well-formed text.
    for (const MemberList& members : {AlsaCaptureMembers(), AlsaPlaybackMembers()})
        for (const DeviceMember& member : members)
            EXPECT_EQ(CleanDeviceText(member.friendlyName), member.friendlyName);
}

}  // namespace
