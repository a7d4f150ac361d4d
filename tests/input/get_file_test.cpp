#include "input/get_file.h"
#include "input/windows1252_code_page.h"

#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

TEST(GetFileTest, NamesAndBaseNames)
{
    const struct
    {
        const char* path;
        const char* name;
        const char* base;
    } cases[] = {
        {"/music/my.song.mp3", "my.song.mp3", "my.song"},
        {"/music/track", "track", ""},
        {"/music/.mp3", ".mp3", ""},
        {"/music/", "", ""},
        {"song.wav", "song.wav", "song"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
        EXPECT_EQ(GetBaseName(c.path), c.base) << c.path;
    }
}

TEST(GetFileTest, ExistenceIsJudgedOnTheNarrowedPath)
{
    test::TempDir dir;
    const std::string greek = dir / "\xce\xa9.mp3";
    test::writeFile(dir / "song.mp3", "x");
    test::writeFile(greek, "x");
    fs::create_directory(dir / "sub");
    fs::create_symlink(dir / "song.mp3", dir / "file-link");
    fs::create_symlink(dir / "sub", dir / "folder-link");
    fs::create_symlink(dir / "missing", dir / "dangling");

    const Windows1252CodePage windows1252;
    const struct
    {
        std::string path;
        const CodePage& codePage;
        bool file;
        bool folder;
    } cases[] = {
        {dir / "song.mp3", utf8CodePage(), true, false},
        {dir / "sub", utf8CodePage(), false, true},
        {dir / "file-link", utf8CodePage(), true, false},
        {dir / "folder-link", utf8CodePage(), false, true},
        {dir / "dangling", utf8CodePage(), false, false},
        {dir / "missing", utf8CodePage(), false, false},
        {"", utf8CodePage(), false, false},
        {greek, utf8CodePage(), true, false},
        {greek, windows1252, false, false},
        {dir / "song.mp3\xff", utf8CodePage(), false, false},
        {std::string(dir / "song.mp3") + std::string(1, '\0') + "x", utf8CodePage(), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path, c.codePage), c.file) << c.path;
        EXPECT_EQ(FolderExists(c.path, c.codePage), c.folder) << c.path;
    }
}

} // namespace
} // namespace brisquel
