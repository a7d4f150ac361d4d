#include "settings/setup_file.h"

#include "settings_panel_stub.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

using test::SettingsPanelStub;

const std::string DefaultFolder = "/home/user/output";

class SetupFileTest : public ::testing::Test
{
protected:
    SettingsPanelStub load(const std::string& bytes)
    {
        test::writeFile(m_dir / "setup.ini", bytes);
        SettingsPanelStub panel;
        LoadSetupFile(m_dir.path(), panel, DefaultFolder);
        return panel;
    }

    SettingsPanelStub roundTrip(const SettingsPanelStub& saved)
    {
        SaveSetupFile(m_dir.path(), saved);
        SettingsPanelStub loaded;
        loaded.positions = {3, 3, 0, 3};
        LoadSetupFile(m_dir.path(), loaded, DefaultFolder);
        return loaded;
    }

    test::TempDir m_dir;
};

TEST_F(SetupFileTest, FirstRunKeepsThePanelDefaultsWithTheDefaultFolder)
{
    SettingsPanelStub panel;
    LoadSetupFile(m_dir.path(), panel, DefaultFolder);
    EXPECT_EQ(panel.positions, (std::array<int, 4> {7, 1, 1, 0}));
    EXPECT_EQ(panel.folder, DefaultFolder);
    EXPECT_FALSE(fs::exists(m_dir / "setup.ini"));

    fs::create_directory(m_dir / "setup.ini");
    SettingsPanelStub besideAFolder;
    LoadSetupFile(m_dir.path(), besideAFolder, DefaultFolder);
    EXPECT_EQ(besideAFolder.folder, DefaultFolder);
}

TEST_F(SetupFileTest, TheDefaultsAreWrittenAsFiveQuotedLines)
{
    SettingsPanelStub panel;
    panel.folder = DefaultFolder;
    SaveSetupFile(m_dir.path(), panel);
    EXPECT_EQ(test::readFile(m_dir / "setup.ini"), "\"7\"\r\n\"1\"\r\n\"1\"\r\n\"/home/user/output\"\r\n\"0\"\r\n");
}

TEST_F(SetupFileTest, WhatIsSavedReadsBackTheSame)
{
    const struct
    {
        std::array<int, 4> positions;
        std::string folder;
    } cases[] = {
        {{7, 1, 1, 0}, "/home/user/output"},
        {{11, 7, 0, 8}, "/home/user/my music, live/out put "},
        {{-1, -1, -1, -1}, "/srv/\xc3\xa9t\xc3\xa9"},
        {{0, 0, 1, 4}, "relative, \t tab"},
    };
    for (const auto& c : cases) {
        SettingsPanelStub saved;
        saved.positions = c.positions;
        saved.folder = c.folder;
        const SettingsPanelStub loaded = roundTrip(saved);
        EXPECT_EQ(loaded.positions, c.positions) << c.folder;
        EXPECT_EQ(loaded.folder, c.folder);
    }
}

TEST_F(SetupFileTest, AFolderTheFormatCannotHoldNeverDisturbsTheOtherLines)
{
    // The format has no escape: a quote ends the folder when read back, and a line break
    // ends it when written, so the format on the last line always survives.
    const std::pair<std::string, std::string> cases[] = {
        {"/home/user/my\"dir", "/home/user/my"},
        {"/a\"b,\"c\",d", "/a"},
        {"/first\nsecond", "/first"},
        {"/first\r\n\"5\"", "/first"},
    };
    for (const auto& [folder, readBack] : cases) {
        SettingsPanelStub saved;
        saved.positions = {2, 3, 0, 6};
        saved.folder = folder;
        const SettingsPanelStub loaded = roundTrip(saved);
        EXPECT_EQ(loaded.folder, readBack) << folder;
        EXPECT_EQ(loaded.positions, saved.positions) << folder;
    }
}

TEST_F(SetupFileTest, AValueThatCannotBeUsedLeavesItsControlAsItWas)
{
    const struct
    {
        std::string bytes;
        std::array<int, 4> positions;
        std::string folder;
    } cases[] = {
        {"\"12\"\r\n\"x\"\r\n\"0\"\r\n\"\"\r\n\"2\"\r\n", {7, 1, 0, 2}, DefaultFolder},
        {"\"7.5\"\r\n\"-1\"\r\n\"-2\"\r\n\"/out\"\r\n\"99999\"\r\n", {8, -1, 1, 0}, "/out"},
        {"\"3\"\r\n\"4\"\r\n", {3, 4, 1, 0}, DefaultFolder},
        {"3\r\n 4 \r\n1,0\r\n/bare folder  \r\n8\r\n", {3, 4, 1, 8}, "/bare folder"},
        {"", {7, 1, 1, 0}, DefaultFolder},
    };
    for (const auto& c : cases) {
        const SettingsPanelStub panel = load(c.bytes);
        EXPECT_EQ(panel.positions, c.positions) << c.bytes;
        EXPECT_EQ(panel.folder, c.folder) << c.bytes;
    }
}

TEST_F(SetupFileTest, BinaryOrHugeFilesAreReadWithoutHarm)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) % 256);
    const SettingsPanelStub fromBinary = load(binary);
    EXPECT_FALSE(fromBinary.folder.empty());

    // 100 MB of NUL bytes without a line end, made sparse so the test stays small on disk.
    const std::string huge = m_dir / "setup.ini";
    test::writeFile(huge, "\"5\"\r\n\"2\"\r\n");
    fs::resize_file(huge, 100u * 1024 * 1024);
    SettingsPanelStub panel;
    LoadSetupFile(m_dir.path(), panel, DefaultFolder);
    EXPECT_EQ(panel.positions, (std::array<int, 4> {5, 2, 1, 0}));
    EXPECT_EQ(panel.folder, DefaultFolder);
}

} // namespace
} // namespace brisquel
