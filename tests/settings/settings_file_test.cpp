#include "settings/settings_file.h"

#include "test_support.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

const std::string OldBytes = "\"7\"\r\n\"1\"\r\n\"1\"\r\n\"/old\"\r\n\"0\"\r\n";
const std::string NewBytes = "\"8\"\r\n\"2\"\r\n\"0\"\r\n\"/a much longer new folder\"\r\n\"3\"\r\n";

std::vector<std::string> names(const std::string& folder)
{
    std::vector<std::string> result;
    for (const auto& entry : fs::directory_iterator(folder))
        result.push_back(entry.path().filename().string());
    return result;
}

// A file size limit makes every write past it fail, as a full disk would, even for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(SettingsFileTest, ASaveReplacesTheFileAndLeavesNothingBeside)
{
    test::TempDir dir;
    const std::string path = dir / "setup.ini";
    ASSERT_TRUE(writeSettingsFile(path, OldBytes));
    ASSERT_TRUE(writeSettingsFile(path, NewBytes));
    EXPECT_EQ(test::readFile(path), NewBytes);
    EXPECT_EQ(names(dir.path()), std::vector<std::string> {"setup.ini"});
}

TEST(SettingsFileTest, AFailedSaveLeavesTheOldFileAsItWas)
{
    test::TempDir dir;
    const std::string path = dir / "setup.ini";
    ASSERT_TRUE(writeSettingsFile(path, OldBytes));
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(writeSettingsFile(path, NewBytes));
    }
    EXPECT_EQ(test::readFile(path), OldBytes);
    EXPECT_EQ(names(dir.path()), std::vector<std::string> {"setup.ini"});
}

TEST(SettingsFileTest, ASaveIntoAReadOnlyFolderLeavesTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder";
    test::TempDir dir;
    const std::string path = dir / "setup.ini";
    ASSERT_TRUE(writeSettingsFile(path, OldBytes));
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(writeSettingsFile(path, NewBytes));
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(test::readFile(path), OldBytes);
}

TEST(SettingsFileTest, OnlyARegularFileIsRead)
{
    test::TempDir dir;
    fs::create_directory(dir / "folder.ini");
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
    EXPECT_EQ(readSettingsFile(dir / "folder.ini"), std::nullopt);
    EXPECT_EQ(readSettingsFile(dir / "pipe.ini"), std::nullopt);
    EXPECT_EQ(readSettingsFile(dir / "missing.ini"), std::nullopt);

    test::writeFile(dir / "big.ini", std::string(MaxSettingsFileBytes + 100, 'x'));
    EXPECT_EQ(readSettingsFile(dir / "big.ini")->size(), MaxSettingsFileBytes);
}

} // namespace
} // namespace brisquel
