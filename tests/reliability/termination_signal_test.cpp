// The real program, started as a user would start it, told to end by a signal: it ends as
// the close box ends it, with exit status 0, and leaves its single-instance lock free.
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace brisquel {
namespace {

namespace fs = std::filesystem;

struct SignalCase
{
    const char* name;
    int signal;
};

void PrintTo(const SignalCase& c, std::ostream* os)
{
    *os << c.name;
}

class TerminationSignalTest : public testing::TestWithParam<SignalCase>
{
};

TEST_P(TerminationSignalTest, EndsTheProgramAsTheCloseBoxDoes)
{
    test::TempDir dir;
    fs::create_directories(dir / "run");
    fs::permissions(dir / "run", fs::perms::owner_all);
    // The start-up wipe removes this marker; by then the signal handling stands.
    const std::string marker = dir / "cache/brisquel/tmp/marker";
    fs::create_directories(fs::path(marker).parent_path());
    test::writeFile(marker, "");

    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (!text.starts_with("HOME=") && !text.starts_with("XDG_") && !text.starts_with("QT_QPA_PLATFORM="))
            environment.push_back(text);
    }
    for (const std::string& entry : {"HOME=" + dir.path(), "XDG_RUNTIME_DIR=" + (dir / "run"),
                                     "XDG_CACHE_HOME=" + (dir / "cache"), "XDG_CONFIG_HOME=" + (dir / "config"),
                                     "XDG_STATE_HOME=" + (dir / "state"), std::string("QT_QPA_PLATFORM=offscreen")})
        environment.push_back(entry);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const std::string program = test::binFolder() + "/brisquel";
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    pid_t ended = 0;
    while (fs::exists(marker) && (ended = waitpid(pid, &status, WNOHANG)) == 0
           && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(ended, 0) << "the program ended by itself";
    ASSERT_FALSE(fs::exists(marker)) << "the program did not start";

    kill(pid, GetParam().signal);
    while ((ended = waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline + std::chrono::seconds(60))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        FAIL() << "the program did not end";
    }
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(dir / "config/brisquel/setup.ini")) << "nothing is saved";
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalTest,
                         testing::Values(SignalCase{"Term", SIGTERM}, SignalCase{"Int", SIGINT},
                                         SignalCase{"Hup", SIGHUP}),
                         [](const testing::TestParamInfo<SignalCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace brisquel
