// The files lumora_info's arguments name: folders walked, sorted and filtered, the rest as given.
#include "app/lumora_info/file_walk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/temp_dir.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

TEST(ExpandArguments, WalksFoldersSortedFollowingLinksToFilesOnly) {
    TempDir dir;
    const fs::path root = dir.Path();
    fs::create_directories(root / "a/b");
    fs::create_directories(root / "c");
    for (const char* file : {"a/one.avi", "a/b/two.wav", "c/three.mp4", "c/Four.avi"})
        dir.File(file);
    fs::create_symlink("../a/one.avi", root / "c/link.avi");
    fs::create_directory_symlink("../a", root / "c/folder_link");
    fs::create_directory_symlink("..", root / "a/b/up");
    fs::create_symlink("nowhere", root / "c/dangling.avi");
    ASSERT_EQ(::mkfifo((root / "c/fifo.avi").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> arguments;
        NameFilter filter;
        std::string expected;
    } cases[] = {
        {{"."}, {}, "./a/b/two.wav ./a/one.avi ./c/Four.avi ./c/link.avi ./c/three.mp4"},
        {{"c/", "a"}, {{"*.avi"}, {}}, "c/Four.avi c/link.avi a/one.avi"},
        {{"."}, {{"*.avi", "*.wav"}, {"*o*"}}, "./c/link.avi"},
        {{"c/folder_link"}, {}, "c/folder_link/b/two.wav c/folder_link/one.avi"},
        {{"c/fifo.avi", "missing.avi", "a/one.avi", "a/one.avi"},
         {{"*.wav"}, {}},
         "c/fifo.avi missing.avi a/one.avi a/one.avi"},
    };
    const fs::path before = fs::current_path();
    fs::current_path(root);
    for (const auto& c : cases) {
        const ExpandedFiles expanded = ExpandArguments(c.arguments, c.filter);
        std::string files;
        for (size_t i = 0; i < expanded.files.Size(); ++i)
            files += (i > 0 ? " " : "") + std::string(expanded.files[i]);
        EXPECT_EQ(files, c.expected) << c.arguments.front();
        EXPECT_FALSE(expanded.unreadableFolder);
    }
    fs::current_path(before);
}

}  // namespace
}  // namespace lumora::testing
