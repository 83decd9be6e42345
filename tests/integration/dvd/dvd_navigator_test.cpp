// The libdvdread navigator's states on a real volume.
#include <gtest/gtest.h>

#include "platform/com.h"
#include "platform/dvd_interfaces.h"
#include "tests/integration/dvd/authored_volumes.h"

namespace {

using namespace lumora::testing;

class DvdNavigator : public AuthoredVolumes {
protected:
    void SetUp() override {
        AuthoredVolumes::SetUp();
        if (IsSkipped()) return;
        path_ = (Volume("pal_mixed") / "VIDEO_TS/VIDEO_TS.IFO").string();
        ASSERT_EQ(CoCreateInstance(CLSID_DvdGraphBuilder, builder_), S_OK);
        ASSERT_EQ(builder_->RenderDvdVideoVolume(path_.c_str(), AM_DVD_HWDEC_PREFER, nullptr), S_OK);
        ASSERT_EQ(builder_->GetDvdInterface(IID_IDvdInfo2, info_.PutVoid()), S_OK);
        ASSERT_EQ(builder_->GetDvdInterface(IID_IDvdControl2, control_.PutVoid()), S_OK);
        ComPtr<IGraphBuilder> graph;
        ASSERT_EQ(builder_->GetFiltergraph(graph.Put()), S_OK);
        ASSERT_EQ(graph.As(media_), S_OK);
    }

    DVD_DOMAIN Domain() {
        DVD_DOMAIN domain{};
        EXPECT_EQ(info_->GetCurrentDomain(&domain), S_OK);
        return domain;
    }

    std::string path_;
    ComPtr<IDvdGraphBuilder> builder_;
    ComPtr<IDvdInfo2> info_;
    ComPtr<IDvdControl2> control_;
    ComPtr<IMediaControl> media_;
};

TEST_F(DvdNavigator, TheTitleTimeOnlyWhileATitlePlays) {
    DVD_HMSF_TIMECODE time{};
    ULONG flags = 0;
    EXPECT_EQ(Domain(), DVD_DOMAIN_Stop);
    EXPECT_EQ(info_->GetTotalTitleTime(&time, &flags), VFW_E_DVD_INVALIDDOMAIN);

    ASSERT_EQ(media_->Run(), S_OK);
    ASSERT_EQ(media_->Pause(), S_OK);
    ComPtr<IDvdCmd> command;
    ASSERT_EQ(control_->PlayTitle(2, DVD_CMD_FLAG_None, command.Put()), S_OK);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->WaitForEnd(), S_OK);
    EXPECT_EQ(Domain(), DVD_DOMAIN_Title);
    ASSERT_EQ(info_->GetTotalTitleTime(&time, &flags), S_OK);
    EXPECT_EQ(time.bSeconds, 2);
    EXPECT_EQ(flags, DVD_TC_FLAG_25fps);
    ULONG streams = 0, current = 9;
    ASSERT_EQ(info_->GetCurrentAudio(&streams, &current), S_OK);
    EXPECT_EQ(streams, 2u) << "the title set's streams while its title plays";
    EXPECT_EQ(current, 0u);

    ASSERT_EQ(media_->Stop(), S_OK);
    EXPECT_EQ(Domain(), DVD_DOMAIN_Stop);
    EXPECT_EQ(info_->GetTotalTitleTime(&time, &flags), VFW_E_DVD_INVALIDDOMAIN);
    ASSERT_EQ(control_->PlayTitle(4, DVD_CMD_FLAG_None, nullptr), S_OK);
    ASSERT_EQ(control_->Stop(), S_OK);
    EXPECT_EQ(Domain(), DVD_DOMAIN_Stop);
}

TEST_F(DvdNavigator, DiscIdOfTheRenderedVolumeOrOfAPath) {
    ULONGLONG rendered = 0, byPath = 0;
    ASSERT_EQ(info_->GetDiscID(nullptr, &rendered), S_OK);
    ASSERT_EQ(info_->GetDiscID(path_.c_str(), &byPath), S_OK);
    EXPECT_EQ(rendered, byPath);
    EXPECT_EQ(info_->GetDiscID("/nonexistent", &byPath), E_INVALIDARG);
}

TEST_F(DvdNavigator, ARenderThatFailsDropsTheVolume) {
    AM_DVD_RENDERSTATUS status{};
    EXPECT_EQ(builder_->RenderDvdVideoVolume("/nonexistent", 0, &status), VFW_E_DVD_RENDERFAIL);
    EXPECT_TRUE(status.bDvdVolUnknown);
    ULONG chapters = 0;
    EXPECT_EQ(info_->GetNumberOfChapters(1, &chapters), E_FAIL);
}

}  // namespace
