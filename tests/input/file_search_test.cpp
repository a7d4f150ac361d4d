#include "input/file_search.h"

#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

// The order the file system lists a folder in, which is the order the search must keep.
std::vector<std::string> listingOrder(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

std::vector<std::string> search(const std::string& folder)
{
    std::vector<std::string> found;
    SearchFolder(folder, found, nullptr);
    return found;
}

TEST(FileSearchTest, FilesOfAFolderComeBeforeThoseOfItsSubFolders)
{
    test::TempDir dir;
    fs::create_directory(dir / "sub");
    test::writeFile(dir / "sub/c.wav", "");
    test::writeFile(dir / "a.mp3", "");
    test::writeFile(dir / "b.flac", "");

    std::vector<std::string> expected;
    for (const std::string& name : listingOrder(dir.path())) {
        if (name != "sub")
            expected.push_back(dir / name);
    }
    expected.push_back(dir / "sub/c.wav");
    EXPECT_EQ(search(dir.path()), expected);
    EXPECT_EQ(search(dir.path() + "/"), expected);
}

TEST(FileSearchTest, OnlyTheFirst200SubFoldersOfAFolderAreSearched)
{
    test::TempDir dir;
    for (int i = 0; i < 201; ++i) {
        const std::string sub = dir / ("d" + std::to_string(i));
        fs::create_directory(sub);
        test::writeFile(sub + "/f", "");
    }
    std::vector<std::string> expected;
    for (const std::string& name : listingOrder(dir.path()))
        expected.push_back(dir / (name + "/f"));
    expected.resize(200);
    EXPECT_EQ(search(dir.path()), expected);
}

TEST(FileSearchTest, EveryKindOfFileIsFoundButNothingWithoutData)
{
    test::TempDir dir;
    fs::create_directory(dir / "outside");
    test::writeFile(dir / "outside/target.mp3", "");
    fs::create_directory(dir / "tree");
    test::writeFile(dir / "tree/.hidden", "");
    test::writeFile(dir / "tree/picture.png", "");
    test::writeFile(dir / "tree/read-only.txt", "");
    fs::permissions(dir / "tree/read-only.txt", fs::perms::owner_read);
    fs::create_symlink(dir / "outside/target.mp3", dir / "tree/file-link");
    fs::create_symlink(dir / "missing", dir / "tree/dangling");
    ASSERT_EQ(::mkfifo((dir / "tree/pipe").c_str(), 0600), 0);

    std::vector<std::string> found = search(dir / "tree");
    std::sort(found.begin(), found.end());
    const std::vector<std::string> expected = {dir / "tree/.hidden", dir / "tree/file-link",
                                               dir / "tree/picture.png", dir / "tree/read-only.txt"};
    EXPECT_EQ(found, expected);
}

TEST(FileSearchTest, LinksToFoldersAreNeverEntered)
{
    test::TempDir dir;
    fs::create_directories(dir / "tree/sub");
    test::writeFile(dir / "tree/sub/a.mp3", "");
    fs::create_symlink("..", dir / "tree/sub/up");
    fs::create_symlink(".", dir / "tree/sub/self");
    fs::create_symlink(dir.path(), dir / "tree/root");
    fs::create_symlink("loop-b", dir / "tree/loop-a");
    fs::create_symlink("loop-a", dir / "tree/loop-b");

    EXPECT_EQ(search(dir / "tree"), std::vector<std::string> {dir / "tree/sub/a.mp3"});
}

TEST(FileSearchTest, AFolderThatCannotBeListedAddsNothing)
{
    test::TempDir dir;
    test::writeFile(dir / "file.mp3", "");
    EXPECT_TRUE(search(dir / "missing").empty());
    EXPECT_TRUE(search(dir / "file.mp3").empty());
    EXPECT_TRUE(search("").empty());
}

TEST(FileSearchTest, AnUnreadableSubFolderAddsNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root from listing a folder";
    test::TempDir dir;
    fs::create_directories(dir / "tree/closed");
    test::writeFile(dir / "tree/closed/hidden-away.mp3", "");
    test::writeFile(dir / "tree/open.mp3", "");
    fs::permissions(dir / "tree/closed", fs::perms::none);
    EXPECT_EQ(search(dir / "tree"), std::vector<std::string> {dir / "tree/open.mp3"});
}

TEST(FileSearchTest, YieldsTwiceAfterEveryListedEntryButTheFirst)
{
    test::TempDir dir;
    for (const char* name : {"a", "b", "c"})
        test::writeFile(dir / name, "");
    int yields = 0;
    std::vector<std::string> found;
    SearchFolder(dir.path(), found, [&] { ++yields; });
    // The listing holds "." and ".." besides the three files.
    EXPECT_EQ(yields, 2 * (5 - 1));
    EXPECT_EQ(found.size(), 3u);
}

} // namespace
} // namespace brisquel
