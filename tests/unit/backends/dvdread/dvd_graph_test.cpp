// The DVD playback graph: its run state and its video window, kept in the session.
#include <gtest/gtest.h>

#include "backends/dvdread/dvd_graph.h"
#include "platform/com_ptr.h"

namespace {

using namespace lumora::dvdread;

TEST(DvdGraph, RunStateAndWindowAreTheSessions) {
    const auto session = std::make_shared<DvdSession>();
    ComPtr<IVideoWindow> window;
    ASSERT_EQ(CreateComObject<DvdGraph>(IID_IVideoWindow, window.PutVoid(), session), S_OK);
    EXPECT_EQ(window->put_Visible(OAFALSE), S_OK);
    EXPECT_EQ(window->put_Visible(5), E_INVALIDARG);
    EXPECT_EQ(session->visible, OAFALSE);
    EXPECT_EQ(window->put_Owner(1234), S_OK);
    OAHWND owner = 0;
    EXPECT_EQ(window->get_Owner(&owner), S_OK);
    EXPECT_EQ(owner, 1234);

    ComPtr<IMediaControl> media;
    ASSERT_EQ(window.As(media), S_OK);
    EXPECT_EQ(media->Run(), S_OK);
    OAFilterState state{};
    EXPECT_EQ(media->GetState(0, &state), S_OK);
    EXPECT_EQ(state, State_Running);
}

}  // namespace
