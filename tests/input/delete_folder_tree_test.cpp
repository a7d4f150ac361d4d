#include "input/delete_folder_tree.h"

#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

TEST(DeleteFolderTreeTest, RemovesTheWholeTreeAndNothingALinkPointsTo)
{
    test::TempDir dir;
    fs::create_directories(dir / "outside/inner");
    test::writeFile(dir / "outside/keep.mp3", "keep");
    test::writeFile(dir / "outside/inner/keep.wav", "keep");
    fs::permissions(dir / "outside/keep.mp3", fs::perms::owner_read);

    const std::string tree = dir / "tmp";
    fs::create_directories(tree + "/deep/deeper");
    test::writeFile(tree + "/a.tmp", "");
    test::writeFile(tree + "/.hidden", "");
    test::writeFile(tree + "/read-only.tmp", "");
    fs::permissions(tree + "/read-only.tmp", fs::perms::owner_read);
    test::writeFile(tree + "/deep/deeper/b.tmp", "");
    fs::create_directory(tree + "/locked");
    test::writeFile(tree + "/locked/c.tmp", "");
    fs::permissions(tree + "/locked", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory(tree + "/closed");
    test::writeFile(tree + "/closed/d.tmp", "");
    fs::permissions(tree + "/closed", fs::perms::none);
    fs::create_symlink(dir / "outside", tree + "/folder-link");
    fs::create_symlink(dir / "outside/keep.mp3", tree + "/file-link");
    fs::create_symlink(dir / "outside", tree + "/deep/up-and-out");

    int yields = 0;
    DeleteFolderTree(tree, [&] { ++yields; });

    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_EQ(test::readFile(dir / "outside/keep.mp3"), "keep");
    EXPECT_EQ(test::readFile(dir / "outside/inner/keep.wav"), "keep");
    EXPECT_EQ(fs::status(dir / "outside/keep.mp3").permissions(), fs::perms::owner_read);
    EXPECT_GT(yields, 0);
}

TEST(DeleteFolderTreeTest, ALinkGivenAsTheFolderIsRemovedAsALink)
{
    test::TempDir dir;
    fs::create_directory(dir / "target");
    test::writeFile(dir / "target/keep", "keep");
    fs::create_symlink(dir / "target", dir / "tmp");

    DeleteFolderTree(dir / "tmp", nullptr);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "tmp")));
    EXPECT_EQ(test::readFile(dir / "target/keep"), "keep");
}

TEST(DeleteFolderTreeTest, AMissingFolderOrAFileIsLeftAlone)
{
    test::TempDir dir;
    test::writeFile(dir / "file", "keep");
    DeleteFolderTree(dir / "missing", nullptr);
    DeleteFolderTree(dir / "file", nullptr);
    EXPECT_EQ(test::readFile(dir / "file"), "keep");
}

} // namespace
} // namespace brisquel
