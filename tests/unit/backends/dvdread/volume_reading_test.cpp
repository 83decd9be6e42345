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
    snapshot.titles[1].attributes.audioStreams = 3;
    snapshot.titles[1].attributes.audio[2].dwFrequency = 96000;
    snapshot.titles[1].attributes.subpictureStreams = 32;
    snapshot.titles[1].attributes.subpictures[31].Language = 0x419;
    snapshot.titles[1].userOperations = 5;
    snapshot.volumeDetails.label = "FÊTE";
    snapshot.titleDetails.resize(2);
    snapshot.titleDetails[1].programMap = {1, 3};
    snapshot.titleDetails[1].cells.resize(4);
    snapshot.titleDetails[1].cells[3].lastSector = 77;
    snapshot.titleDetails[1].audio.resize(kDvdMaxAudioStreams + 1);
    const std::vector<uint8_t> bytes = SerializeSnapshot(snapshot);
    const auto back = DeserializeSnapshot(bytes, "/disc/VIDEO_TS");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->location, "/disc/VIDEO_TS");
    EXPECT_EQ(back->facts.discId, snapshot.facts.discId);
    ASSERT_EQ(back->titles.size(), 2u);
    EXPECT_EQ(back->titles[1].attributes.audioStreams, 3u);
    EXPECT_EQ(back->titles[1].attributes.audio[2].dwFrequency, 96000u);
    EXPECT_EQ(back->titles[1].attributes.subpictures[31].Language, 0x419u);
    EXPECT_EQ(back->titles[1].userOperations, 5u);
    EXPECT_EQ(back->volumeDetails.label, "FÊTE");
    ASSERT_EQ(back->titleDetails.size(), 2u);
    EXPECT_EQ(back->titleDetails[1].programMap, (std::vector<uint8_t>{1, 3}));
    EXPECT_EQ(back->titleDetails[1].cells.at(3).lastSector, 77u);
    EXPECT_EQ(back->titleDetails[1].audio.size(), kDvdMaxAudioStreams) << "bounded as written";

    for (size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(DeserializeSnapshot(std::span(bytes).first(cut), "")) << cut;
    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DeserializeSnapshot(longer, ""));
    std::vector<uint8_t> lying = bytes;
    lying[4 + offsetof(VolumeFacts, titleCount)] = 0xFF;
    EXPECT_FALSE(DeserializeSnapshot(lying, "")) << "the title count must match the bytes";
}

}  // namespace
