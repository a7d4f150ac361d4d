#include "settings/settings_file.h"

#include "test_support.h"

#include <csignal>
#include <functional>
#include <stdexcept>
#include <filesystem>
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

constexpr uid_t Nobody = 65534;
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

// Runs `save` in a child process as a user who owns nothing here but what the test hands
// over: root may write any file, so a read-only file shows its protection only to another
// user. Not root, the child stays the test's own user. Returns what `save` returned.
bool saveAsAnotherUser(const std::function<bool()>& save)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setresgid(Nobody, Nobody, Nobody) != 0
                || ::setresuid(Nobody, Nobody, Nobody) != 0))
            ::_exit(2);
        ::_exit(save() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        throw std::runtime_error("the saving child did not run");
    return WEXITSTATUS(status) == 0;
}

struct ModeCase
{
    const char* name;
    mode_t mode;
    bool saved;
};

void PrintTo(const ModeCase& c, std::ostream* out)
{
    *out << c.name;
}

class SettingsFileModeTest : public testing::TestWithParam<ModeCase>
{
};

// A read-only settings file is the user's "keep this": the save is lost, as in a
// write-protected folder, even though the folder would let the file be replaced.
TEST_P(SettingsFileModeTest, AFileTheUserMayNotWriteIsKept)
{
    test::TempDir dir;
    const std::string path = dir / "setup.ini";
    ASSERT_TRUE(test::writeFile(path, OldBytes));
    ::chmod(path.c_str(), GetParam().mode);
    if (::geteuid() == 0) {
        ::chmod(dir.path().c_str(), 0700);
        ASSERT_EQ(::chown(dir.path().c_str(), Nobody, Nobody), 0);
        ASSERT_EQ(::chown(path.c_str(), Nobody, Nobody), 0);
    }

    EXPECT_EQ(saveAsAnotherUser([&] { return writeSettingsFile(path, NewBytes); }), GetParam().saved);

    EXPECT_EQ(test::readFile(path), GetParam().saved ? NewBytes : OldBytes);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, GetParam().mode);
    EXPECT_EQ(names(dir.path()), std::vector<std::string> {"setup.ini"});
}

INSTANTIATE_TEST_SUITE_P(Modes, SettingsFileModeTest,
                         testing::Values(ModeCase {"ReadOnly", 0444, false}, ModeCase {"OwnerOnly", 0600, true},
                                         ModeCase {"Shared", 0664, true}),
                         [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

TEST(SettingsFileTest, ASaveThroughLinksReplacesTheirTargetAndKeepsTheLinks)
{
    test::TempDir dir;
    fs::create_directory(dir / "config");
    fs::create_directory(dir / "store");
    const std::string target = dir / "store/brisquel.ini";
    ASSERT_TRUE(test::writeFile(target, OldBytes));
    ::chmod(target.c_str(), 0640);
    // A relative link, reached through a second, absolute one.
    fs::create_symlink("../store/brisquel.ini", dir / "config/setup.ini");
    fs::create_symlink(dir / "config/setup.ini", dir / "setup.ini");

    ASSERT_TRUE(writeSettingsFile(dir / "setup.ini", NewBytes));

    EXPECT_TRUE(fs::is_symlink(dir / "setup.ini"));
    EXPECT_EQ(fs::read_symlink(dir / "config/setup.ini"), "../store/brisquel.ini");
    EXPECT_EQ(test::readFile(target), NewBytes);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    // The temporary file stood beside the target, not beside a link.
    EXPECT_EQ(names(dir / "store"), std::vector<std::string> {"brisquel.ini"});
    EXPECT_EQ(names(dir / "config"), std::vector<std::string> {"setup.ini"});
}

TEST(SettingsFileTest, ALinkToNoFileYetMakesItsTargetAndALoopSavesNothing)
{
    test::TempDir dir;
    fs::create_directory(dir / "store");
    fs::create_symlink("store/new.ini", dir / "setup.ini");
    ASSERT_TRUE(writeSettingsFile(dir / "setup.ini", NewBytes));
    EXPECT_TRUE(fs::is_symlink(dir / "setup.ini"));
    EXPECT_EQ(test::readFile(dir / "store/new.ini"), NewBytes);

    fs::create_symlink("loop.ini", dir / "loop.ini");
    EXPECT_FALSE(writeSettingsFile(dir / "loop.ini", NewBytes));
    EXPECT_TRUE(fs::is_symlink(dir / "loop.ini"));
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
