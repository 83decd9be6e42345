// The VIDEO_TS folder of a volume from any path a user may pick.
#include "platform/video_ts_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class VolumeLocation : public ::testing::Test {
protected:
    fs::path Touch(const fs::path& relative) {
        const fs::path path = root_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path;
    }

    lumora::testing::TempDir dir_;
    const fs::path root_ = dir_.Path();
};

TEST_F(VolumeLocation, FromAnInfoFileTheFolderOrTheVolume) {
    const fs::path ifo = Touch("disc/VIDEO_TS/VTS_01_0.IFO");
    Touch("disc/VIDEO_TS/VTS_01_0.bup");
    Touch("disc/VIDEO_TS/VTS_01_1.VOB");
    const fs::path folder = root_ / "disc/VIDEO_TS";
    EXPECT_EQ(FindVideoTsFolder(ifo.string()), folder);
    EXPECT_EQ(FindVideoTsFolder((folder / "VTS_01_0.bup").string()), folder);
    EXPECT_EQ(FindVideoTsFolder(folder.string()), folder);
    EXPECT_EQ(FindVideoTsFolder(folder.string() + "/"), folder);
    EXPECT_EQ(FindVideoTsFolder((root_ / "disc").string()), folder);
    EXPECT_EQ(FindVideoTsFolder((root_ / "disc/").string()), folder);
    EXPECT_EQ(FindVideoTsFolder((folder / ".").string()), folder / ".");
}

TEST_F(VolumeLocation, NamesMatchWhateverTheirCase) {
    const fs::path ifo = Touch("disc/Video_Ts/video_ts.ifo");
    EXPECT_EQ(FindVideoTsFolder(ifo.string()), root_ / "disc/Video_Ts");
    EXPECT_EQ(FindVideoTsFolder((root_ / "disc").string()), root_ / "disc/Video_Ts");
}

TEST_F(VolumeLocation, NothingForAnythingElse) {
    Touch("disc/VIDEO_TS/VTS_01_1.VOB");
    EXPECT_FALSE(FindVideoTsFolder((root_ / "disc/VIDEO_TS/VTS_01_1.VOB").string())) << "not an IFO";
    EXPECT_FALSE(FindVideoTsFolder(Touch("loose/VIDEO_TS.IFO").string())) << "an .ifo outside any VIDEO_TS";
    EXPECT_FALSE(FindVideoTsFolder((root_ / "loose").string()));
    EXPECT_FALSE(FindVideoTsFolder((root_ / "missing/VIDEO_TS.IFO").string()));
    EXPECT_FALSE(FindVideoTsFolder(""));
    EXPECT_FALSE(FindVideoTsFolder("/dev/null"));
    fs::create_directories(root_ / "file_named/VIDEO_TS.IFO");
    EXPECT_FALSE(FindVideoTsFolder((root_ / "file_named/VIDEO_TS.IFO").string()))
        << "a folder named like an IFO";
}

}  // namespace
