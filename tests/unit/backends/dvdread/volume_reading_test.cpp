// The volume snapshot's byte form between the reading child and the navigator.
#include <gtest/gtest.h>

#include <cstddef>

#include "backends/dvdread/volume_reading.h"

namespace {

using namespace lumora::dvdread;

TEST(SnapshotBytes, RoundTripAndRefuseAnythingIncomplete) {
    VolumeSnapshot snapshot{"/disc/VIDEO_TS", {}, {}};
    snapshot.facts.titleCount = 2;
    snapshot.facts.discId = 0x1122334455667788;
    snapshot.titles.resize(2);
    snapshot.titles[1].sound = 1;
    snapshot.titles[1].attributes.ulNumberOfAudioStreams = 3;
    const std::vector<uint8_t> bytes = SerializeSnapshot(snapshot);
    const auto back = DeserializeSnapshot(bytes, "/disc/VIDEO_TS");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->location, "/disc/VIDEO_TS");
    EXPECT_EQ(back->facts.discId, snapshot.facts.discId);
    ASSERT_EQ(back->titles.size(), 2u);
    EXPECT_EQ(back->titles[1].attributes.ulNumberOfAudioStreams, 3u);

    for (const size_t cut : {size_t{0}, size_t{3}, bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(DeserializeSnapshot(std::span(bytes).first(cut), "")) << cut;
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DeserializeSnapshot(longer, ""));
    std::vector<uint8_t> lying = bytes;
    lying[4 + offsetof(VolumeFacts, titleCount)] = 0xFF;
    EXPECT_FALSE(DeserializeSnapshot(lying, "")) << "the title count must match the bytes";
}

}  // namespace
