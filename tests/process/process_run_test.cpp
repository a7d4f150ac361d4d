// The asynchronous run's event contract with the scripted converter: chunks in reading
// order, one final event per start (also when the start fails), and the end when the own
// child has ended and its pipe is drained, whatever else runs under its name.
#include "process/process_run.h"

#include "process_test_helpers.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <poll.h>
#include <unistd.h>

namespace brisquel {
namespace {

class ProcessRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_symlink(test::fakeConverterPath(), conv);
        run.onChunk = [this](const std::string& chunk) {
            chunks.push_back(chunk);
            events.push_back("chunk");
        };
        run.onFinal = [this](const RunEnd& end) {
            ends.push_back(end);
            events.push_back("final");
        };
    }

    std::vector<std::string> script(std::vector<std::string> actions) const
    {
        actions.insert(actions.begin(), {conv, "--script"});
        return actions;
    }

    // Passes until the run is over, sleeping on its descriptor between them as an owner
    // would; the bound only keeps a broken run from hanging the suite.
    void drive()
    {
        for (int pass = 0; pass < 100000 && !run.poll(); ++pass) {
            pollfd wake{run.wakeDescriptor(), POLLIN, 0};
            if (wake.fd >= 0)
                ::poll(&wake, 1, 100);
            else
                usleep(1000);
        }
        ASSERT_FALSE(run.isRunning());
    }

    std::string joined() const
    {
        std::string all;
        for (const std::string& chunk : chunks)
            all += chunk;
        return all;
    }

    test::TempDir dir;
    std::string name = test::privateImageName();
    std::string conv = dir / name;
    ProcessRun run;
    std::vector<std::string> chunks;
    std::vector<RunEnd> ends;
    std::vector<std::string> events;
};

struct OutputCase
{
    const char* name;
    std::vector<std::string> actions;
    std::string expected;
    int exitCode;
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

class ProcessRunOutput : public ProcessRunTest, public testing::WithParamInterface<OutputCase> {};

TEST_P(ProcessRunOutput, ArrivesInOrderBeforeOneFinalEvent)
{
    const OutputCase& c = GetParam();
    ASSERT_TRUE(run.start(script(c.actions)));
    EXPECT_TRUE(events.empty()) << "nothing is raised before the first pass";
    drive();

    EXPECT_EQ(joined(), c.expected);
    for (const std::string& chunk : chunks) {
        EXPECT_FALSE(chunk.empty());
        EXPECT_LE(chunk.size(), ProcessRun::ChunkSize);
    }
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(events.back(), "final");
    EXPECT_EQ(ends[0].start, RunEnd::Start::Started);
    EXPECT_EQ(ends[0].exitCode, c.exitCode);
    EXPECT_FALSE(ends[0].endedBySignal);

    // Over is over: further passes and a late finish raise nothing.
    EXPECT_TRUE(run.poll());
    run.finish();
    EXPECT_EQ(ends.size(), 1u);
    EXPECT_EQ(events.back(), "final");
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ProcessRunOutput,
    testing::Values(OutputCase{"Silent", {"exit", "0"}, "", 0},
                    OutputCase{"BothStreamsOnOnePipe", {"out", "A", "err", "B", "out", "C", "exit", "3"}, "ABC", 3},
                    OutputCase{"BeyondThePipeSize",
                               {"out", "head:", "bytes", "70000", "y", "out", ":tail"},
                               "head:" + std::string(70000, 'y') + ":tail", 0},
                    OutputCase{"WordsAfterAPause", {"out", "first ", "sleep", "200", "out", "second"}, "first second", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessRunTest, TheLastWordsOfAQuickChildAreNeverLost)
{
    for (int i = 0; i < 20; ++i) {
        chunks.clear();
        ends.clear();
        ASSERT_TRUE(run.start(script({"out", "last words " + std::to_string(i)})));
        drive();
        EXPECT_EQ(joined(), "last words " + std::to_string(i));
        EXPECT_EQ(ends.size(), 1u);
    }
}

TEST_F(ProcessRunTest, AStartFailureRaisesTheFinalEventFromStartOnly)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{dir / "missing", "-i", "x"}, std::vector<std::string>{}}) {
        events.clear();
        ends.clear();
        EXPECT_FALSE(run.start(arguments));
        ASSERT_EQ(events, std::vector<std::string>{"final"});
        EXPECT_EQ(ends[0].start, RunEnd::Start::NotStarted);
        EXPECT_FALSE(run.isRunning());
        EXPECT_TRUE(run.poll());
        run.finish();
        EXPECT_EQ(events.size(), 1u);
    }
}

// Unlike a run that goes by image name, this one does not wait for a namesake.
TEST_F(ProcessRunTest, EndsWithItsOwnChildWhateverElseRunsUnderItsName)
{
    test::NamedProcess other(dir.path(), "other", conv, {"--script", "sleep", "60000"});
    ASSERT_TRUE(run.start(script({"out", "done"})));
    drive();
    EXPECT_EQ(joined(), "done");
    EXPECT_EQ(ends.size(), 1u);
    EXPECT_FALSE(other.hasExited());
}

TEST_F(ProcessRunTest, ASignalReachesTheOwnChildAndTheRunEndsAsUsual)
{
    ASSERT_TRUE(run.start(script({"out", "started", "sleep", "60000"})));
    EXPECT_TRUE(run.signal(SIGKILL));
    drive();
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0].endedBySignal);
    EXPECT_EQ(ends[0].exitCode, -1);
    EXPECT_FALSE(run.signal(SIGKILL)) << "an ended run signals nothing";
}

TEST_F(ProcessRunTest, EveryRunClosesWhatItOpened)
{
    const int before = test::openDescriptorCount();
    ASSERT_TRUE(run.start(script({"out", "x"})));
    drive();
    EXPECT_EQ(test::openDescriptorCount(), before);
}

} // namespace
} // namespace brisquel
