#include "process/process_list.h"

#include "process_test_helpers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace brisquel {
namespace {

using test::NamedProcess;
using test::TempDir;

const std::string kSleep = "/usr/bin/sleep";

bool endedBySigkill(NamedProcess& process)
{
    int status = 0;
    return process.waitEnded(5000, &status) && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(IsProcessRunning, FindsANameWhateverItsCase)
{
    TempDir dir;
    const std::string name = test::privateImageName(".exe"); // bq<pid>.exe
    NamedProcess upper(dir.path(), test::privateImageName(".EXE"), kSleep, {"30"});
    EXPECT_TRUE(IsProcessRunning(name));
    EXPECT_TRUE(IsProcessRunning("BQ" + name.substr(2)));
    EXPECT_FALSE(IsProcessRunning(test::privateImageName("")));
    EXPECT_FALSE(IsProcessRunning(name.substr(1)));
    EXPECT_FALSE(IsProcessRunning(""));
}

TEST(IsProcessRunning, AZombieHasEnded)
{
    TempDir dir;
    const std::string name = test::privateImageName();
    NamedProcess quick(dir.path(), name, "/usr/bin/true", {});
    // Not reaped on purpose: the process stays in the list as a zombie.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (test::processState(quick.pid()) != 'Z' && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(test::processState(quick.pid()), 'Z');
    EXPECT_FALSE(IsProcessRunning(name));
}

// The kernel keeps 15 characters of a name; the full name still decides.
TEST(IsProcessRunning, ComparesALongNameWhole)
{
    TempDir dir;
    const std::string name = test::privateImageName("-long-converter.exe");
    ASSERT_GT(name.size(), 15u);
    NamedProcess longName(dir.path(), name, kSleep, {"30"});
    EXPECT_TRUE(IsProcessRunning(name));
    EXPECT_TRUE(IsProcessRunning("BQ" + name.substr(2)));
    EXPECT_FALSE(IsProcessRunning(name.substr(0, 15)));
    EXPECT_FALSE(IsProcessRunning(name.substr(0, name.size() - 4)));
}

// Ends this user's conv.exe processes, as the program does.
TEST(KillProcessByName, EndsEveryWholeNameMatchAndNothingElse)
{
    TempDir dir;
    NamedProcess lower(dir.path(), "conv.exe", kSleep, {"30"});
    NamedProcess upper(dir.path(), "CONV.EXE", kSleep, {"30"});
    NamedProcess backup(dir.path(), "conv.exe.bak", kSleep, {"30"});
    NamedProcess prefixed(dir.path(), "myconv.exe", kSleep, {"30"});

    KillProcessByName("conv.exe");

    EXPECT_TRUE(endedBySigkill(lower));
    EXPECT_TRUE(endedBySigkill(upper));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(backup.hasExited());
    EXPECT_FALSE(prefixed.hasExited());
    EXPECT_TRUE(IsProcessRunning("conv.exe.bak"));
    EXPECT_TRUE(IsProcessRunning("myconv.exe"));
}

TEST(KillProcessByName, WithNoMatchDoesNothing)
{
    TempDir dir;
    NamedProcess other(dir.path(), "myconv.exe", kSleep, {"30"});
    KillProcessByName("brisquel-none.exe");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(other.hasExited());
}

TEST(KillProcessByName, SparesThisProgram)
{
    char own[17] = {};
    prctl(PR_GET_NAME, own);
    prctl(PR_SET_NAME, "brisquel-self");
    KillProcessByName("brisquel-self");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    prctl(PR_SET_NAME, own);
    SUCCEED() << "still running";
}

// An unprivileged killer meets a process it may not signal: it goes on and ends the others.
TEST(KillProcessByName, SkipsAProcessItMayNotSignal)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root, to own a process that an unprivileged killer cannot end";
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all | std::filesystem::perms::others_exec
                                                 | std::filesystem::perms::group_exec);
    const std::string name = test::privateImageName();
    NamedProcess privileged(dir.path(), name, kSleep, {"30"});

    const std::string link = dir / name;
    const pid_t unprivileged = fork();
    if (unprivileged == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(1);
        execl(link.c_str(), name.c_str(), "30", static_cast<char*>(nullptr));
        _exit(1);
    }
    ASSERT_GT(unprivileged, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (test::readFile("/proc/" + std::to_string(unprivileged) + "/comm") != name + "\n"
           && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    const pid_t killer = fork();
    if (killer == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(1);
        KillProcessByName(name);
        _exit(0);
    }
    ASSERT_GT(killer, 0);
    int status = 0;
    ASSERT_EQ(waitpid(killer, &status, 0), killer);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    ASSERT_EQ(waitpid(unprivileged, &status, 0), unprivileged);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(privileged.hasExited());
}

// Another user's process of the watched name is none of this program's business: it neither
// keeps a run alive nor gets signalled.
TEST(ProcessList, AnotherUsersProcessIsNeitherSeenNorEnded)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root, to start a process under another user";
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all | std::filesystem::perms::others_exec
                                                 | std::filesystem::perms::group_exec);
    for (const std::string& name : {test::privateImageName(), test::privateImageName("-long-converter.exe")}) {
        const std::string link = dir / name;
        std::filesystem::create_symlink(kSleep, link);
        const pid_t other = fork();
        if (other == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(1);
            execl(link.c_str(), name.c_str(), "30", static_cast<char*>(nullptr));
            _exit(1);
        }
        ASSERT_GT(other, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (test::readFile("/proc/" + std::to_string(other) + "/comm") != name.substr(0, 15) + "\n"
               && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));

        EXPECT_FALSE(IsProcessRunning(name)) << name;
        KillProcessByName(name);
        int status = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(waitpid(other, &status, WNOHANG), 0) << name << " was ended";
        kill(other, SIGKILL);
        waitpid(other, &status, 0);
    }
}

} // namespace
} // namespace brisquel
