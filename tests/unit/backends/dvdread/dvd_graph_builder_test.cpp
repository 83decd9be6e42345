// The DVD graph builder without a volume: what it renders, the interfaces it hands out, its lifetime.
#include <gtest/gtest.h>

#include "backends/dvdread/dvd_graph_builder.h"
#include "platform/com_ptr.h"
#include "platform/dvd_interfaces.h"

namespace {

using lumora::dvdread::CreateDvdGraphBuilder;

TEST(DvdGraphBuilder, WithoutAVolumeHandsOutItsInterfaces) {
    ComPtr<IDvdGraphBuilder> builder;
    ASSERT_EQ(CreateDvdGraphBuilder(IID_IDvdGraphBuilder, builder.PutVoid()), S_OK);
    AM_DVD_RENDERSTATUS status{};
    EXPECT_EQ(
        builder->RenderDvdVideoVolume("/nonexistent/VIDEO_TS/VIDEO_TS.IFO", AM_DVD_HWDEC_PREFER, &status),
        VFW_E_DVD_RENDERFAIL);
    EXPECT_TRUE(status.bDvdVolUnknown);
    EXPECT_EQ(builder->RenderDvdVideoVolume(nullptr, 0, nullptr), VFW_E_DVD_RENDERFAIL);

    for (const IID& iid : {IID_IDvdInfo2, IID_IDvdControl2, IID_IVideoWindow}) {
        ComPtr<IUnknown> part;
        EXPECT_EQ(builder->GetDvdInterface(iid, part.PutVoid()), S_OK);
    }
    void* other = &status;
    EXPECT_EQ(builder->GetDvdInterface(IID_IMediaControl, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(builder->GetDvdInterface(IID_IDvdInfo2, nullptr), E_POINTER);

    ComPtr<IGraphBuilder> graph;
    ASSERT_EQ(builder->GetFiltergraph(graph.Put()), S_OK);
    ComPtr<IFilterGraph> filterGraph;
    EXPECT_EQ(graph.As(filterGraph), S_OK);
    EXPECT_EQ(builder.Detach()->Release(), 0u) << "the builder goes with its last reference";
}

}  // namespace
