#include "process/dos_outputs.h"

#include "process/command_line.h"
#include "process/event_pump.h"
#include "process/process_list.h"
#include "process_test_helpers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

namespace brisquel {
namespace {

using test::TempDir;
using Clock = std::chrono::steady_clock;

// A windowless pump that records what the runner asks of it.
class TestPump : public EventPump
{
public:
    void ProcessPending() override
    {
        ++pendingCalls;
        if (onPending)
            onPending();
    }
    void Wait(int ms) override
    {
        waits.push_back(ms);
        if (failure)
            throw std::runtime_error(failure);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    std::function<void()> onPending;
    int pendingCalls = 0;
    std::vector<int> waits;
    const char* failure = nullptr;
};

// Scripted runs go to the fake converter through a link of a private name, watched by that
// name: a conv.exe of another test run on the machine would keep these runs polling. The
// real converter's test goes by conv.exe.
class DOSOutputsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_symlink(test::fakeConverterPath(), conv);
        WatchedImageName = name;
        runner.ReceiveOutputs = [this](const std::string& chunk) {
            chunks.push_back(chunk);
            events.push_back("chunk");
        };
        runner.CommandOver = [this] {
            ++overs;
            events.push_back("over");
        };
    }

    std::string script(std::initializer_list<std::string> actions) const
    {
        std::string line = QuoteArgument(conv) + " --script";
        for (const std::string& action : actions)
            line += " " + QuoteArgument(action);
        return line;
    }

    std::string joinedChunks() const
    {
        std::string all;
        for (const std::string& chunk : chunks)
            all += chunk;
        return all;
    }

    TempDir dir;
    std::string name = test::privateImageName();
    std::string conv = dir / name;
    TestPump pump;
    std::vector<std::string> messages;
    DOSOutputs runner{pump, [this](const std::string& text) { messages.push_back(text); }};
    std::vector<std::string> chunks;
    std::vector<std::string> events;
    int overs = 0;
};

TEST_F(DOSOutputsTest, SilentCommandEndsWithOneCommandOverAndNoChunks)
{
    EXPECT_EQ(runner.ExecuteCommand(script({"exit", "0"})), "");
    EXPECT_TRUE(chunks.empty());
    EXPECT_EQ(overs, 1);
    EXPECT_EQ(runner.Outputs(), "");
    EXPECT_EQ(runner.ExitCode(), 0);
    EXPECT_TRUE(messages.empty());
}

// One write below the pipe's atomic size lands whole, so the reads cut it at exact places.
TEST_F(DOSOutputsTest, OneLargeWriteArrivesInChunksOf1024InOrder)
{
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += std::to_string(i) + ",";
    ASSERT_EQ(text.size(), 3890u);

    EXPECT_EQ(runner.ExecuteCommand(script({"out", text})), text);
    std::vector<std::size_t> sizes;
    for (const std::string& chunk : chunks)
        sizes.push_back(chunk.size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1024, 1024, 1024, 818}));
    EXPECT_EQ(joinedChunks(), text);
    EXPECT_EQ(runner.Outputs(), text);
    EXPECT_EQ(overs, 1);
    EXPECT_EQ(events.back(), "over");
}

TEST_F(DOSOutputsTest, OutputBeyondThePipeAtomicSizeStillComesWholeAndInOrder)
{
    std::string expected = "head:" + std::string(20000, 'y') + ":tail";
    EXPECT_EQ(runner.ExecuteCommand(script({"out", "head:", "bytes", "20000", "y", "out", ":tail"})), expected);
    EXPECT_GE(chunks.size(), 20u);
    for (const std::string& chunk : chunks)
        EXPECT_LE(chunk.size(), 1024u);
    EXPECT_EQ(joinedChunks(), expected);
}

// A progress marker is not kept whole: whoever reads the chunks must join them.
TEST_F(DOSOutputsTest, AMarkerAcrossAReadBoundaryArrivesSplit)
{
    const std::string text = std::string(1020, 'x') + "time=00:00:01.00 bitrate=128.0kbits/s\r";
    runner.ExecuteCommand(script({"err", text}));
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].substr(1020), "time");
    EXPECT_EQ(chunks[1].substr(0, 12), "=00:00:01.00");
    EXPECT_EQ(joinedChunks(), text);
}

// The child may write its last bytes and end between the size query and the process scan
// of one pass; those bytes still belong to the run.
TEST_F(DOSOutputsTest, TheLastWordsOfAQuickChildAreNeverLost)
{
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(runner.ExecuteCommand(script({"out", "last words " + std::to_string(i)})), "last words " + std::to_string(i));
}

TEST_F(DOSOutputsTest, StandardOutputAndErrorShareOnePipe)
{
    EXPECT_EQ(runner.ExecuteCommand(script({"out", "A", "err", "B", "out", "C\\n", "err", "D"})), "ABC\nD");
}

TEST_F(DOSOutputsTest, AnotherProcessOfTheWatchedNameKeepsAFinishedRunPolling)
{
    TempDir otherDir;
    test::NamedProcess other(otherDir.path(), name, test::fakeConverterPath(), {"--script", "sleep", "700"});
    const auto start = Clock::now();
    runner.ExecuteCommand(script({"out", "done", "exit", "0"}));
    const auto elapsed = Clock::now() - start;

    EXPECT_GE(elapsed, std::chrono::milliseconds(650));
    EXPECT_TRUE(other.hasExited()) << "the run ended while the other process of its name ran";
    EXPECT_EQ(runner.Outputs(), "done");
    EXPECT_EQ(overs, 1);
    // The own child ended long before the run: its status was kept.
    EXPECT_EQ(runner.ExitCode(), 0);
}

TEST_F(DOSOutputsTest, WithoutAnotherProcessARunEndsSoonAfterItsChild)
{
    const auto start = Clock::now();
    runner.ExecuteCommand(script({"sleep", "100"}));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(600));
}

TEST_F(DOSOutputsTest, AStartFailureShowsTheMessageRaisesNothingAndKeepsOutputs)
{
    runner.ExecuteCommand(script({"out", "previous", "exit", "4"}));
    ASSERT_EQ(runner.Outputs(), "previous");
    chunks.clear();
    events.clear();
    overs = 0;

    test::writeFile(dir / "not-a-program", "plain text\n");
    const std::string noExec = dir / "not-a-program";
    const std::string failures[] = {
        QuoteArgument(dir / "nowhere/conv.exe") + " -i x.mp3",
        QuoteArgument(noExec) + " -i x.mp3",
        "brisquel-no-such-command-anywhere",
        "   ",
    };
    for (const std::string& line : failures) {
        messages.clear();
        EXPECT_EQ(runner.ExecuteCommand(line), "") << line;
        EXPECT_EQ(messages, std::vector<std::string>{"File or command not found"}) << line;
        EXPECT_EQ(runner.CommandLine(), line);
    }
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(runner.Outputs(), "previous");
    EXPECT_EQ(runner.ExitCode(), -1) << "a run that never started has no status";
    EXPECT_FALSE(runner.EndedBySignal());
}

TEST_F(DOSOutputsTest, AnEmptyCommandLineIsRefused)
{
    EXPECT_EQ(runner.ExecuteCommand(), "");
    EXPECT_EQ(messages, std::vector<std::string>{"Command Line empty"});
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(runner.ExitCode(), -1);
}

TEST_F(DOSOutputsTest, TheArgumentReplacesCommandLineForLaterRuns)
{
    const std::string first = script({"out", "first"});
    const std::string second = script({"out", "second"});
    runner.setCommandLine(first);
    EXPECT_EQ(runner.ExecuteCommand(second), "second");
    EXPECT_EQ(runner.CommandLine(), second);
    EXPECT_EQ(runner.ExecuteCommand(), "second");
    EXPECT_EQ(runner.ExecuteCommand(""), "second");
    EXPECT_EQ(overs, 3);
}

TEST_F(DOSOutputsTest, ExitCodeIsTheChildsStatusOrUnknown)
{
    EXPECT_EQ(runner.ExitCode(), -1);
    runner.ExecuteCommand(script({"exit", "3"}));
    EXPECT_EQ(runner.ExitCode(), 3);
    EXPECT_FALSE(runner.EndedBySignal());

    bool killed = false;
    pump.onPending = [&] {
        for (const test::ChildInfo& child : test::liveChildren()) {
            if (child.comm == name && !killed)
                killed = kill(child.pid, SIGKILL) == 0;
        }
    };
    runner.ExecuteCommand(script({"sleep", "5000"}));
    EXPECT_TRUE(killed);
    EXPECT_EQ(runner.ExitCode(), -1) << "ended by a signal";
    EXPECT_TRUE(runner.EndedBySignal());
    EXPECT_EQ(overs, 2);
}

// endRun reaches the own child alone: another process of the watched name, which would keep
// a plain run polling, is neither signalled nor waited for. A child that ignores the first
// signal is killed once the grace time is over.
struct EndRunCase
{
    const char* label;
    std::vector<std::string> script;
    int firstSignal;
};

void PrintTo(const EndRunCase& c, std::ostream* os)
{
    *os << c.label;
}

class EndRunTest : public DOSOutputsTest, public testing::WithParamInterface<EndRunCase>
{
};

TEST_P(EndRunTest, EndsTheOwnChildOnlyAndTheRunAsUsual)
{
    TempDir otherDir;
    test::NamedProcess other(otherDir.path(), name, test::fakeConverterPath(), {"--script", "sleep", "60000"});
    bool ended = false;
    pump.onPending = [&] {
        if (!ended && !chunks.empty()) {
            ended = true;
            runner.endRun(GetParam().firstSignal, std::chrono::milliseconds(300));
        }
    };
    std::vector<std::string> actions = GetParam().script;
    std::string line = QuoteArgument(conv) + " --script";
    for (const std::string& action : actions)
        line += " " + QuoteArgument(action);

    const auto start = Clock::now();
    runner.ExecuteCommand(line);

    EXPECT_TRUE(ended);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(30)) << "the run waited for its 60 s child";
    EXPECT_EQ(overs, 1);
    EXPECT_TRUE(runner.EndedBySignal());
    EXPECT_FALSE(runner.StoppedResponding());
    EXPECT_FALSE(other.hasExited()) << "a process that is not the runner's own child was ended";
    for (const test::ChildInfo& child : test::liveChildren()) {
        if (child.comm == name) {
            EXPECT_EQ(child.pid, other.pid()) << "the run's own child outlived it";
        }
    }
    // Nothing of the ended run lingers to be signalled later.
    runner.endRun(SIGKILL, std::chrono::milliseconds(0));
    EXPECT_FALSE(other.hasExited());
}

INSTANTIATE_TEST_SUITE_P(Signals, EndRunTest,
                         testing::Values(EndRunCase{"Term", {"out", "started", "sleep", "60000"}, SIGTERM},
                                         EndRunCase{"TermIgnoredThenKill",
                                                    {"ignore-term", "out", "started", "sleep", "60000"}, SIGTERM},
                                         EndRunCase{"Kill", {"out", "started", "sleep", "60000"}, SIGKILL}),
                         [](const testing::TestParamInfo<EndRunCase>& info) { return std::string(info.param.label); });

TEST_F(DOSOutputsTest, EndRunWithNoRunDoesNothing)
{
    runner.endRun(SIGKILL, std::chrono::milliseconds(0));
    EXPECT_EQ(runner.ExecuteCommand(script({"out", "x"})), "x");
    EXPECT_EQ(runner.ExitCode(), 0);
}

// A child that prints nothing for the silence limit is ended; one that keeps printing, however
// long it runs, is not.
TEST_F(DOSOutputsTest, TheSilenceLimitEndsOnlyASilentChild)
{
    runner.setSilenceLimit(std::chrono::milliseconds(400));
    std::vector<std::string> steady;
    for (int i = 0; i < 12; ++i)
        steady.insert(steady.end(), {"out", ".", "sleep", "100"});
    std::string line = QuoteArgument(conv) + " --script";
    for (const std::string& action : steady)
        line += " " + QuoteArgument(action);
    EXPECT_EQ(runner.ExecuteCommand(line), std::string(12, '.'));
    EXPECT_FALSE(runner.StoppedResponding());
    EXPECT_EQ(runner.ExitCode(), 0);

    runner.ExecuteCommand(script({"out", "hello", "sleep", "60000"}));
    EXPECT_TRUE(runner.StoppedResponding());
    EXPECT_TRUE(runner.EndedBySignal());
    EXPECT_EQ(runner.Outputs(), "hello");
    EXPECT_EQ(overs, 2);
}

// However the program ends, even by SIGKILL, which it cannot catch, its converter ends with it.
TEST_F(DOSOutputsTest, TheChildDoesNotOutliveTheProgram)
{
    const std::string line = script({"sleep", "60000"});
    const pid_t program = fork();
    if (program == 0) {
        TestPump childPump;
        DOSOutputs childRunner(childPump, {});
        childRunner.ExecuteCommand(line);
        _exit(0);
    }
    ASSERT_GT(program, 0);
    const auto waitFor = [&](bool running) {
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (IsProcessRunning(name) != running && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return IsProcessRunning(name) == running;
    };
    EXPECT_TRUE(waitFor(true)) << "the converter did not start";
    kill(program, SIGKILL);
    int status = 0;
    waitpid(program, &status, 0);
    EXPECT_TRUE(waitFor(false)) << "the converter outlived the program";
}

// The last pass handles messages too, but has nothing left to wait for.
TEST_F(DOSOutputsTest, EveryPassHandlesMessagesAndWaits50ms)
{
    runner.ExecuteCommand(script({"sleep", "300", "out", "x"}));
    ASSERT_GE(pump.waits.size(), 3u);
    EXPECT_EQ(static_cast<int>(pump.waits.size()), pump.pendingCalls - 1);
    for (const int ms : pump.waits)
        EXPECT_EQ(ms, 50);
}

TEST_F(DOSOutputsTest, EveryRunClosesWhatItOpened)
{
    const int before = test::openDescriptorCount();
    runner.ExecuteCommand(script({"out", "x"}));
    runner.ExecuteCommand(QuoteArgument(dir / "nowhere"));
    runner.ExecuteCommand(QuoteArgument(dir / "nowhere"));
    EXPECT_EQ(test::openDescriptorCount(), before);
}

// The child sees /dev/null as its input and holds only its three standard handles, even
// when this program has a descriptor open without close-on-exec.
TEST_F(DOSOutputsTest, TheChildGetsNullInputAndNoOtherDescriptor)
{
    const int leaky = open("/dev/null", O_RDONLY);
    ASSERT_GE(leaky, 0);
    std::filesystem::create_symlink("/usr/bin/readlink", dir / "brisquelrl");
    std::filesystem::create_symlink("/usr/bin/ls", dir / "brisquells");

    WatchedImageName = "brisquelrl";
    EXPECT_EQ(runner.ExecuteCommand(QuoteArgument(dir / "brisquelrl") + " /proc/self/fd/0"), "/dev/null\n");

    // ls holds one descriptor of its own: the folder it lists.
    WatchedImageName = "brisquells";
    std::istringstream listed(runner.ExecuteCommand(QuoteArgument(dir / "brisquells") + " /proc/self/fd"));
    std::vector<std::string> descriptors;
    for (std::string fd; listed >> fd;)
        descriptors.push_back(fd);
    EXPECT_EQ(descriptors.size(), 4u) << runner.Outputs();
    close(leaky);
}

TEST_F(DOSOutputsTest, AFailingWaitEndsTheRunAndReachesTheCaller)
{
    const int before = test::openDescriptorCount();
    pump.failure = "no event loop";
    try {
        runner.ExecuteCommand(script({"out", "x"}));
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("[clsWaitableTimer.Wait]", 0), 0u) << error.what();
    }
    EXPECT_EQ(pump.waits.size(), 1u) << "a failing wait is not tried again";
    EXPECT_EQ(overs, 1);
    EXPECT_EQ(test::openDescriptorCount(), before);
}

// A handler may run a second runner to its end inside the first one's poll. Both go by the
// same watched name, so the inner run lasts until the outer run's converter has ended too.
TEST_F(DOSOutputsTest, AHandlerCanRunAnotherRunnerInsideAPoll)
{
    DOSOutputs inner(pump, [this](const std::string& text) { messages.push_back(text); });
    inner.CommandOver = [this] { events.push_back("inner over"); };
    bool started = false;
    pump.onPending = [&] {
        if (started)
            return;
        started = true;
        inner.ExecuteCommand(script({"out", "inner"}));
    };
    EXPECT_EQ(runner.ExecuteCommand(script({"sleep", "300", "out", "outer"})), "outer");
    EXPECT_EQ(inner.Outputs(), "inner");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "inner over");
    EXPECT_EQ(events.back(), "over");
    EXPECT_EQ(overs, 1);
}

// The real converter through data/conv.exe: a tone is generated at its own pace (-re), so
// the run lasts long enough to see the child's name, then probed for its duration.
TEST_F(DOSOutputsTest, RunsTheRealConverterUnderItsWatchedName)
{
    const std::string converter = test::binFolder() + "/data/conv.exe";
    WatchedImageName = "conv.exe";
    const std::string tone = dir / "tone 1.wav";
    std::vector<std::string> names;
    pump.onPending = [&] {
        for (const test::ChildInfo& child : test::liveChildren())
            names.push_back(child.comm);
    };

    runner.ExecuteCommand(QuoteArgument(converter) + " -hide_banner -re -f lavfi -i sine=frequency=440:duration=1 -y "
                          + QuoteArgument(tone));
    EXPECT_EQ(runner.ExitCode(), 0) << runner.Outputs();
    ASSERT_FALSE(names.empty());
    for (const std::string& comm : names)
        EXPECT_EQ(comm, "conv.exe");

    const std::string probe = runner.ExecuteCommand(QuoteArgument(converter) + " -i " + QuoteArgument(tone));
    EXPECT_NE(probe.find("Duration: 00:00:01.00, "), std::string::npos) << probe;
    EXPECT_EQ(runner.ExitCode(), 1) << "a probe has no output file";
    EXPECT_EQ(overs, 2);
}

} // namespace
} // namespace brisquel
