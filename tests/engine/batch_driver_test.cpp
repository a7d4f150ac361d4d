#include "engine/batch_driver.h"
#include "fake_batch_host.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace brisquel {
namespace {

namespace fs = std::filesystem;

const char* const FakeVariables[] = {"FAKE_CONV_LOG",        "FAKE_CONV_DURATION", "FAKE_CONV_EXIT",
                                     "FAKE_CONV_SLEEP_MS",   "FAKE_CONV_ERROR",    "FAKE_CONV_ERROR_EXIT",
                                     "FAKE_CONV_FAIL_MATCH", "FAKE_CONV_HANG_MATCH", "FAKE_CONV_GATE_MATCH",
                                     "FAKE_CONV_GATE_FILE"};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    return result;
}

// The driver on a fake window, converting through the scripted converter, which logs the
// arguments of every run it is started for.
class BatchDriverTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : FakeVariables)
            unsetenv(name);
        setenv("FAKE_CONV_LOG", (dir / "runs.log").c_str(), 1);
        fs::create_directories(dir / "in");
        host.program = test::makeFakeProgramFolder(dir / "prog");
        host.scratch = dir / "cache/brisquel/tmp";
        host.folder = dir / "out";
        host.report = dir / "state/brisquel/last-batch.txt";
    }
    void TearDown() override
    {
        for (const char* name : FakeVariables)
            unsetenv(name);
    }

    std::string input(const std::string& name)
    {
        const std::string path = dir / ("in/" + name);
        test::writeFile(path, "audio");
        return path;
    }

    // The start click, then the tick of Timer1 it arms.
    void runBatch()
    {
        driver.StartConversion();
        if (host.startTimer)
            driver.onStartTimerTick();
    }

    std::vector<std::string> runs() { return lines(test::readFile(dir / "runs.log")); }
    std::string conversionOf(const std::string& in, const std::string& out, const std::string& options)
    {
        return "-i | " + in + " | -f | segment | -segment_time | 30 | -reset_timestamps | 1 | " + options + " | " + out;
    }
    bool exists(const std::string& path) const { return fs::exists(path); }

    // The calls from the given one on, without the bar's widths.
    std::vector<std::string> callsFrom(const std::string& first) const
    {
        std::vector<std::string> result;
        bool on = false;
        for (const std::string& call : host.calls) {
            on = on || call == first;
            if (on && (!call.starts_with("width ") || call == "width 0"))
                result.push_back(call);
        }
        return result;
    }

    static constexpr const char* Mp3Options =
        "-y | -map_metadata | 0 | -id3v2_version | 3 | -vn | -ab | 128k | -ar | 44100 | -ac | 2 | "
        "-segment_format_options | write_xing=0";

    test::TempDir dir;
    test::FakeBatchHost host;
    test::SleepPump pump;
    std::vector<std::string> messages;
    // Moved by the tests that read the time left; still for the others.
    std::chrono::steady_clock::time_point now{};
    BatchDriver driver{host, pump, [this](const std::string& text) { messages.push_back(text); },
                       ConverterSilenceLimit, [this] { return now; }};
};

TEST_F(BatchDriverTest, EmptyQueueAsksForAFile)
{
    runBatch();
    EXPECT_EQ(host.calls, std::vector<std::string>{"message warning Add: Please add a file"});
}

TEST_F(BatchDriverTest, Mp3FileIsProbedThenConvertedAndTheBatchEnds)
{
    const std::string in = input("a.b.mp3");
    host.queue = {in};
    host.sound = 0;
    driver.StartConversion();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"toolbar off", "convert stop", "timer1 on"}));
    driver.onStartTimerTick();

    EXPECT_EQ(runs(), (std::vector<std::string>{"-i | " + in, conversionOf(in, host.folder + "/a.b%05d.mp3", Mp3Options)}));
    EXPECT_TRUE(host.queue.empty());
    EXPECT_TRUE(exists(host.folder + "/a.b00002.mp3"));
    EXPECT_TRUE(fs::is_directory(host.scratch));
    EXPECT_EQ(fs::status(host.scratch).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(driver.totalSeconds(), 0);
    // The probe's 65 seconds and the first progress line, 30 seconds.
    EXPECT_EQ(host.count("caption 46.1%"), 1);
    EXPECT_EQ(callsFrom("timer1 off"),
              (std::vector<std::string>{"timer1 off", "caption Preparing Files...", "timer2 on", "timer2 off",
                                        "caption 46.1%", "remove", "open " + host.folder, "sound", "dropzone",
                                        "timer2 off", "convert start", "toolbar on", "width 0", "caption Done.",
                                        "batch ended"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(BatchDriverTest, FlacIsDecodedForTheProbeAndConvertedItself)
{
    const std::string in = input("x.FLAC");
    host.queue = {in};
    runBatch();
    const std::string wav = host.scratch + "/tmp.wav";
    EXPECT_EQ(runs(), (std::vector<std::string>{"-threads | 1 | -i | " + in + " | " + wav, "-i | " + wav,
                                                conversionOf(in, host.folder + "/x%05d.mp3", Mp3Options)}));
    EXPECT_FALSE(exists(wav));
    EXPECT_EQ(host.caption, "Done.");
    EXPECT_EQ(host.count("sound"), 0);
}

TEST_F(BatchDriverTest, StaleScratchWavIsDeletedBeforeTheProbe)
{
    fs::create_directories(host.scratch);
    const std::string wav = host.scratch + "/tmp.wav";
    test::writeFile(wav, "left from a crash");
    bool staleAtConversion = true;
    host.onCall = [&](const std::string& call) {
        if (call == "timer2 off" && !host.queue.empty())
            staleAtConversion = exists(wav);
    };
    host.queue = {input("a.mp3")};
    runBatch();
    EXPECT_FALSE(staleAtConversion);
}

TEST_F(BatchDriverTest, EntriesAddedDuringTheBatchAreConverted)
{
    const std::string a = input("a.mp3");
    const std::string b = input("b.mp3");
    host.queue = {a};
    // Dropped while the first file converts.
    pump.onPending = [&] {
        if (host.count("timer2 off") == 1 && host.queue.size() == 1 && host.queue[0] == a)
            host.queue.push_back(b);
    };
    runBatch();
    const auto log = runs();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1], conversionOf(a, host.folder + "/a%05d.mp3", Mp3Options));
    EXPECT_EQ(log[3], conversionOf(b, host.folder + "/b%05d.mp3", Mp3Options));
    EXPECT_TRUE(host.queue.empty());
    EXPECT_EQ(host.count("open " + host.folder), 1);
}

TEST_F(BatchDriverTest, SettingsChangedDuringAFileApplyFromTheNextOne)
{
    host.queue = {input("a.mp3"), input("b.mp3")};
    const std::string other = dir / "other";
    pump.onPending = [&] {
        if (host.count("timer2 off") == 1 && host.format == 0) {
            host.format = 3;
            host.folder = other;
            fs::create_directories(other);
        }
    };
    runBatch();
    EXPECT_TRUE(exists(dir / "out/a00000.mp3"));
    EXPECT_TRUE(exists(other + "/b00000.wav"));
    EXPECT_FALSE(exists(dir / "out/b00000.wav"));
    EXPECT_EQ(host.caption, "Done.");
}

TEST_F(BatchDriverTest, SplitTextThatCannotBeReadKeepsThePreviousFilesLength)
{
    host.queue = {input("a.mp3"), input("b.mp3")};
    host.split = "45";
    pump.onPending = [&] {
        if (host.count("timer2 off") == 1)
            host.split = "abc";
    };
    runBatch();
    auto log = runs();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_NE(log[3].find("-segment_time | 45 |"), std::string::npos) << log[3];

    // A new batch starts from 0, which does not split.
    pump.onPending = nullptr;
    host.queue = {input("c.mp3")};
    runBatch();
    log = runs();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_NE(log[5].find("-segment_time | 2147483647 |"), std::string::npos) << log[5];
    EXPECT_TRUE(exists(dir / "out/c00000.mp3"));
    EXPECT_FALSE(exists(dir / "out/c00001.mp3"));
}

TEST_F(BatchDriverTest, StrayConverterIsEndedWhenAFileIsPrepared)
{
    fs::create_directories(dir / "stray");
    const std::string stray = dir / "stray/conv.exe";
    fs::create_symlink(test::fakeConverterPath(), stray);
    std::vector<std::string> args = {stray, "--script", "sleep", "30000"};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, stray.c_str(), nullptr, nullptr, argv.data(), environ), 0);

    host.queue = {input("a.mp3")};
    runBatch();
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(host.caption, "Done.");
}

TEST_F(BatchDriverTest, FailedFilesAreReportedAfterTheEndSteps)
{
    setenv("FAKE_CONV_ERROR", "Invalid data found when processing input", 1);
    setenv("FAKE_CONV_FAIL_MATCH", "bad", 1);
    host.queue = {input("good.mp3")};
    for (int i = 0; i < 11; ++i)
        host.queue.push_back(input("bad" + std::to_string(i) + ".mp3"));
    host.sound = 0;
    runBatch();

    EXPECT_TRUE(host.queue.empty());
    std::string report = "11 files were not converted:\n";
    for (int i = 0; i < 10; ++i)
        report += "\nbad" + std::to_string(i) + ".mp3: Invalid data found when processing input";
    report += "\nand 1 more";
    EXPECT_EQ(callsFrom("open " + host.folder),
              (std::vector<std::string>{"open " + host.folder, "sound", "dropzone", "timer2 off", "convert start",
                                        "toolbar on", "width 0", "caption Done, 11 failed.", "batch ended",
                                        "message warning Convert: " + report}));
}

struct FailureRow
{
    const char* name;
    std::vector<std::pair<const char*, const char*>> environment;
    bool staleSegment; // a segment of the same name left from an earlier run
    bool failed;
};

void PrintTo(const FailureRow& row, std::ostream* os)
{
    *os << row.name;
}

class BatchFailure : public BatchDriverTest, public testing::WithParamInterface<FailureRow>
{
};

TEST_P(BatchFailure, IsCounted)
{
    for (const auto& [name, value] : GetParam().environment)
        setenv(name, value, 1);
    if (GetParam().staleSegment) {
        fs::create_directories(host.folder);
        test::writeFile(host.folder + "/a00000.mp3", "old");
        // Older than anything this run writes, whatever the clock's grain.
        fs::last_write_time(host.folder + "/a00000.mp3", fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    host.queue = {input("a.mp3")};
    runBatch();
    EXPECT_EQ(host.caption, GetParam().failed ? "Done, 1 failed." : "Done.");
    EXPECT_EQ(host.count("open " + host.folder), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchFailure,
    testing::Values(FailureRow{"Converted", {}, false, false},
                    FailureRow{"ConvertedOverAnEarlierRun", {}, true, false},
                    FailureRow{"NonZeroExitDespiteOutput", {{"FAKE_CONV_EXIT", "1"}}, false, true},
                    FailureRow{"NothingWrittenWithExitZero",
                               {{"FAKE_CONV_ERROR", "Invalid data"}, {"FAKE_CONV_ERROR_EXIT", "0"}}, false, true},
                    FailureRow{"OnlyAnEarlierRunsOutput",
                               {{"FAKE_CONV_ERROR", "Invalid data"}, {"FAKE_CONV_ERROR_EXIT", "0"}}, true, true}),
    [](const testing::TestParamInfo<FailureRow>& info) { return std::string(info.param.name); });

TEST_F(BatchDriverTest, MissingConverterStopsTheBatchWithOneMessage)
{
    host.program = dir / "empty";
    host.queue = {input("a.mp3"), input("b.flac")};
    host.sound = 0;
    runBatch();
    EXPECT_EQ(messages, std::vector<std::string>{"File or command not found"});
    EXPECT_EQ(host.queue.size(), 2u);
    EXPECT_EQ(callsFrom("caption Preparing Files..."),
              (std::vector<std::string>{"caption Preparing Files...", "timer2 on", "timer2 off", "convert start",
                                        "toolbar on", "width 0", "caption Stopped.", "batch ended"}));

    // The same with a FLAC file at the head: its first pass is the run that cannot start.
    messages.clear();
    host.queue = {host.queue[1]};
    runBatch();
    EXPECT_EQ(messages, std::vector<std::string>{"File or command not found"});
    EXPECT_EQ(host.queue.size(), 1u);
    EXPECT_EQ(host.caption, "Stopped.");
    EXPECT_EQ(host.count("sound") + host.count("dropzone"), 0);
}

TEST_F(BatchDriverTest, AnimationTickMovesTheBar)
{
    host.width = 5400;
    driver.onAnimationTimerTick();
    EXPECT_EQ(host.width, 101);
    driver.onAnimationTimerTick();
    EXPECT_EQ(host.width, 201);
}

// Within one batch no file writes over what an earlier file wrote, nor over a queued input;
// results of earlier batches are replaced as before.
TEST_F(BatchDriverTest, SameNamedOutputsStepAsideWithinTheBatch)
{
    fs::create_directories(dir / "in/x");
    fs::create_directories(dir / "in/y");
    const std::string first = input("x/a.mp3");
    const std::string second = input("y/a.mp3");
    host.folder = dir / "in";
    fs::create_directories(host.folder);
    test::writeFile(host.folder + "/REC.wav", "audio");
    const std::string recording = host.folder + "/REC.wav";
    // An input named like REC.wav's first segment, in the output folder.
    const std::string segmentNamed = host.folder + "/REC00000.mp3";
    test::writeFile(segmentNamed, "keep me");
    // An earlier batch's result: replaced, as re-running a batch replaces its results.
    test::writeFile(host.folder + "/a00000.mp3", "earlier batch");
    host.queue = {first, second, recording, segmentNamed};
    runBatch();

    EXPECT_EQ(host.caption, "Done.");
    for (const char* name : {"a00000.mp3", "a (2)00000.mp3", "REC (2)00000.mp3", "REC0000000000.mp3"})
        EXPECT_TRUE(exists(host.folder + "/" + name)) << name;
    EXPECT_NE(test::readFile(host.folder + "/a00000.mp3"), "earlier batch");
    EXPECT_EQ(test::readFile(segmentNamed), "keep me");
}

// What cannot be converted is said before any converter runs for it, and the batch goes on.
TEST_F(BatchDriverTest, AnEntryKnownBadFailsWithoutTheConverter)
{
    const std::string fifo = dir / "in/stream.mp3";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string copy = host.scratch + "/b.tmp";
    host.queue = {fifo, copy, input("good.mp3")};
    host.sources[copy] = "/media/c/b.mp3";
    host.intakeFailures[copy] = "could not copy to the scratch folder: No space left on device";
    runBatch();

    EXPECT_EQ(host.caption, "Done, 2 failed.");
    EXPECT_EQ(host.calls.back(), "message warning Convert: 2 files were not converted:\n"
                                 "\nstream.mp3: not a regular file"
                                 "\nb.mp3: could not copy to the scratch folder: No space left on device");
    for (const std::string& run : runs())
        EXPECT_EQ(run.find("stream.mp3"), std::string::npos) << run;
    EXPECT_EQ(runs().size(), 2u) << "only the good file was probed and converted";
    EXPECT_TRUE(host.queue.empty());
}

// A converter that goes silent is ended after the silence limit; what it wrote is removed.
// One that fails after writing part of its output leaves nothing that looks complete either.
TEST_F(BatchDriverTest, AFailedRunLeavesNoPartialOutput)
{
    BatchDriver quick{host, pump, [this](const std::string& text) { messages.push_back(text); },
                      std::chrono::milliseconds(500)};
    setenv("FAKE_CONV_HANG_MATCH", "hang", 1);
    host.queue = {input("hang.mp3"), input("good.mp3")};
    host.sound = 0;
    quick.StartConversion();
    quick.onStartTimerTick();

    EXPECT_EQ(host.caption, "Done, 1 failed.");
    EXPECT_EQ(host.calls.back(), "message warning Convert: 1 file was not converted:\n"
                                 "\nhang.mp3: the converter stopped responding (partial output removed)");
    EXPECT_FALSE(exists(host.folder + "/hang00000.mp3"));
    EXPECT_TRUE(exists(host.folder + "/good00002.mp3"));
    EXPECT_TRUE(test::converterProcessesOn("hang.mp3").empty());

    unsetenv("FAKE_CONV_HANG_MATCH");
    setenv("FAKE_CONV_EXIT", "1", 1);
    host.queue = {input("cut.mp3")};
    runBatch();
    EXPECT_EQ(host.caption, "Done, 1 failed.");
    EXPECT_NE(host.calls.back().find("cut.mp3: "), std::string::npos);
    EXPECT_NE(host.calls.back().find("(partial output removed)"), std::string::npos) << host.calls.back();
    EXPECT_FALSE(exists(host.folder + "/cut00000.mp3"));
}

// The window is closing: the converter is ended, the batch returns without its end steps,
// and nothing half converted stays.
TEST_F(BatchDriverTest, AnAbandonedBatchReturnsAtOnceAndRemovesItsPartialOutput)
{
    setenv("FAKE_CONV_SLEEP_MS", "60000", 1);
    host.queue = {input("long.mp3"), input("next.mp3")};
    host.onCall = [this](const std::string& call) {
        if (call.starts_with("caption ") && call.ends_with("%"))
            driver.abandonBatch();
    };
    const auto start = std::chrono::steady_clock::now();
    runBatch();

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_FALSE(driver.isRunning());
    EXPECT_EQ(host.count("open " + host.folder), 0);
    EXPECT_FALSE(exists(host.folder + "/long00000.mp3"));
    EXPECT_FALSE(exists(host.folder + "/next00000.mp3"));
    EXPECT_TRUE(test::converterProcessesOn("long.mp3").empty());
}

struct NoChoiceRow
{
    const char* name;
    int format;
    std::string bitrate, rate;
    int channel;
    const char* message; // nullptr: the batch starts
};

void PrintTo(const NoChoiceRow& row, std::ostream* os)
{
    *os << row.name;
}

class NoChoice : public BatchDriverTest, public testing::WithParamInterface<NoChoiceRow>
{
};

// A list that the chosen format uses and that shows no choice (setup.ini held -1) stops the
// start; one the format does not use does not.
TEST_P(NoChoice, StopsTheStartOnlyWhenTheFormatUsesTheList)
{
    host.queue = {input("a.mp3")};
    host.format = GetParam().format;
    host.bitrate = GetParam().bitrate;
    host.rate = GetParam().rate;
    host.channel = GetParam().channel;
    driver.StartConversion();
    if (GetParam().message) {
        EXPECT_EQ(host.calls, std::vector<std::string>{std::string("message warning Convert: ") + GetParam().message});
        EXPECT_FALSE(host.startTimer);
    } else {
        EXPECT_TRUE(host.startTimer);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoChoice,
    testing::Values(NoChoiceRow{"Mp3NoBitrate", 0, "", "44100", 1, "Please choose a bitrate"},
                    NoChoiceRow{"Mp3NoRate", 0, "128", "", 1, "Please choose a sample rate"},
                    NoChoiceRow{"Mp3NoChannel", 0, "128", "44100", -1, "Please choose a channel"},
                    NoChoiceRow{"MpgNoRate", 8, "128", "", 1, "Please choose a sample rate"},
                    NoChoiceRow{"AacNoBitrate", 6, "", "44100", 1, "Please choose a bitrate"},
                    NoChoiceRow{"AacNeedsNoRate", 6, "128", "", -1, nullptr},
                    NoChoiceRow{"WavNeedsNone", 3, "", "", -1, nullptr},
                    NoChoiceRow{"NoFormatCountsAsMp3", -1, "", "44100", 1, "Please choose a bitrate"}),
    [](const testing::TestParamInfo<NoChoiceRow>& info) { return std::string(info.param.name); });

// A failure inside the batch must not leave the window locked behind a batch that no longer
// runs.
TEST_F(BatchDriverTest, AnExceptionOutOfTheBatchUnlocksTheControls)
{
    host.queue = {input("a.mp3")};
    host.onCall = [](const std::string& call) {
        if (call == "caption Preparing Files...")
            throw std::runtime_error("broken window");
    };
    driver.StartConversion();
    EXPECT_THROW(driver.onStartTimerTick(), std::runtime_error);
    EXPECT_FALSE(driver.isRunning());
    EXPECT_EQ(host.count("convert start"), 1);
    EXPECT_EQ(host.count("toolbar on"), 1);
}

// With SIGCHLD ignored the kernel reaps the converter unasked and its status is lost: that
// is no success.
TEST_F(BatchDriverTest, ALostExitStatusIsNoSuccess)
{
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGCHLD, &ignore, &previous);
    host.queue = {input("a.mp3")};
    runBatch();
    sigaction(SIGCHLD, &previous, nullptr);
    EXPECT_EQ(host.caption, "Done, 1 failed.");
    EXPECT_NE(host.calls.back().find("a.mp3: the converter's exit status was lost"), std::string::npos)
        << host.calls.back();
}

// A folder that can be written but not listed hides what was written: the exit status
// decides, in place of a report that blames every file with the converter's summary line.
TEST_F(BatchDriverTest, AnUnlistableOutputFolderIsJudgedByTheExitStatus)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root lists every folder";
    fs::create_directories(host.folder);
    fs::permissions(host.folder, fs::perms::owner_write | fs::perms::owner_exec);
    host.queue = {input("a.mp3"), input("bad.mp3")};
    setenv("FAKE_CONV_EXIT", "0", 1);
    setenv("FAKE_CONV_ERROR", "Invalid data found when processing input", 1);
    setenv("FAKE_CONV_FAIL_MATCH", "bad", 1);
    runBatch();
    fs::permissions(host.folder, fs::perms::owner_all);
    EXPECT_EQ(host.caption, "Done, 1 failed.");
    EXPECT_NE(host.calls.back().find("bad.mp3: Invalid data found when processing input"), std::string::npos)
        << host.calls.back();
    EXPECT_TRUE(exists(host.folder + "/a00000.mp3"));
}

// Where a stop lands: while the probe or a FLAC input's first pass runs (both made to hang
// on the input), or once the conversion has shown progress (the converter then lingers).
struct StopRow
{
    const char* name;
    const char* file;
    const char* hangOn; // FAKE_CONV_HANG_MATCH
    bool inConversion;
    std::size_t runsStarted;
};

void PrintTo(const StopRow& row, std::ostream* os)
{
    *os << row.name;
}

class BatchStop : public BatchDriverTest, public testing::WithParamInterface<StopRow>
{
};

TEST_P(BatchStop, EndsTheRunKeepsTheFilesQueuedAndSkipsTheEndSteps)
{
    const StopRow& row = GetParam();
    const std::string first = input(row.file);
    const std::string second = input("b.mp3");
    host.queue = {first, second};
    host.sound = 0;
    if (row.hangOn)
        setenv("FAKE_CONV_HANG_MATCH", row.hangOn, 1);
    else
        setenv("FAKE_CONV_SLEEP_MS", "60000", 1);
    int stops = 0;
    const auto stop = [&] {
        driver.requestStop();
        driver.requestStop(); // the second click adds nothing
        ++stops;
    };
    if (row.inConversion) {
        host.onCall = [&](const std::string& call) {
            if (call.starts_with("caption ") && call.ends_with("%") && stops == 0)
                stop();
        };
    } else {
        pump.onPending = [&] {
            if (host.count("timer2 on") == 1 && stops == 0 && runs().size() == 1)
                stop();
        };
    }
    runBatch();

    EXPECT_EQ(stops, 1);
    EXPECT_EQ(runs().size(), row.runsStarted);
    EXPECT_TRUE(test::converterProcessesOn(first).empty());
    EXPECT_EQ(host.queue, (std::vector<std::string>{first, second}));
    EXPECT_FALSE(fs::exists(host.folder) && !fs::is_empty(host.folder)) << "segments of the stopped run stay";
    EXPECT_FALSE(exists(host.scratch + "/tmp.wav"));
    EXPECT_EQ(host.count("open " + host.folder) + host.count("sound") + host.count("dropzone"), 0);
    EXPECT_EQ(callsFrom("convert start"),
              (std::vector<std::string>{"convert start", "toolbar on", "width 0", "caption Stopped.", "batch ended"}));
    const auto convertStart = std::find(host.calls.begin(), host.calls.end(), "convert start");
    ASSERT_NE(convertStart, host.calls.begin());
    EXPECT_EQ(*(convertStart - 1), "timer2 off") << "the animation is off at the end";
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(host.ended.stopped);
    const std::string report = test::readFile(host.report);
    EXPECT_NE(report.find("stopped     " + std::string(row.file) + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("not started b.mp3\n"), std::string::npos) << report;

    // START again converts the rest, each file once.
    unsetenv("FAKE_CONV_HANG_MATCH");
    unsetenv("FAKE_CONV_SLEEP_MS");
    host.onCall = nullptr;
    pump.onPending = nullptr;
    runBatch();
    EXPECT_TRUE(host.queue.empty());
    EXPECT_EQ(host.caption, "Done.");
    EXPECT_EQ(host.count("open " + host.folder), 1);
    EXPECT_EQ(host.ended.converted(), 2);
    EXPECT_FALSE(host.ended.stopped);
}

INSTANTIATE_TEST_SUITE_P(Table, BatchStop,
                         testing::Values(StopRow{"DuringTheProbe", "a.mp3", "a.mp3", false, 1},
                                         StopRow{"DuringAFlacFirstPass", "a.flac", "a.flac", false, 1},
                                         StopRow{"DuringTheConversion", "a.mp3", nullptr, true, 2}),
                         [](const testing::TestParamInfo<StopRow>& info) { return std::string(info.param.name); });

TEST_F(BatchDriverTest, StopBeforeTheFirstTickStartsNothing)
{
    host.queue = {input("a.mp3")};
    driver.StartConversion();
    driver.requestStop();
    driver.onStartTimerTick();
    EXPECT_TRUE(runs().empty());
    EXPECT_EQ(host.queue.size(), 1u);
    EXPECT_EQ(host.caption, "Stopped.");
    EXPECT_FALSE(driver.isActive());
    // Once idle, a stop request is nothing.
    host.calls.clear();
    driver.requestStop();
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(BatchDriverTest, StatusLineCountsDroppedFilesAndEstimatesFromTheClock)
{
    const std::string a = input("a.mp3"); // 5 bytes
    const std::string b = dir / "in/b.mp3";
    test::writeFile(b, "audioaudio");  // 10 bytes: twice the media time of a, by size
    host.queue = {a};
    host.split = "0"; // one progress line per file, at its end: time=00:01:05.00 speed=50x
    host.onCall = [&](const std::string& call) {
        if (call == "timer2 off" && host.count("timer2 off") == 1)
            now += std::chrono::seconds(13);
        if (call == "timer2 off" && host.count("timer2 off") == 2)
            now += std::chrono::seconds(26);
        if (call == "caption 100%" && host.queue.size() == 1 && host.queue[0] == a)
            host.queue.push_back(b); // dropped during the batch
    };
    runBatch();

    const std::string dot = " \u00B7 ";
    EXPECT_EQ(host.statuses, (std::vector<std::string>{
                                 "File 1 of 1" + dot + "estimating...",  // preparing a
                                 "File 1 of 1" + dot + "estimating...",  // probed, not yet a tenth done
                                 "File 1 of 2" + dot + "0:26 left" + dot + "50.0x", // a done at 5x; b by size
                                 "File 2 of 2" + dot + "0:26 left" + dot + "50.0x", // preparing b
                                 "File 2 of 2" + dot + "0:13 left" + dot + "50.0x", // b probed: 65 s
                                 "File 2 of 2" + dot + "0:00 left" + dot + "50.0x"}));
    EXPECT_EQ(host.fractions, (std::vector<double>{-1, -1, 1.0 / 3, 1.0 / 3, 0.5, 1}));
    EXPECT_EQ(BatchEndText(host.ended), "2 converted in 0:39");
    const std::string report = test::readFile(host.report);
    EXPECT_NE(report.find("converted   a.mp3 -> 1 segment: a00000.mp3\n"), std::string::npos) << report;
    EXPECT_NE(report.find("converted   b.mp3 -> 1 segment: b00000.mp3\n"), std::string::npos) << report;
}

TEST_F(BatchDriverTest, FailureBoxCarriesTheReportAsDetails)
{
    setenv("FAKE_CONV_ERROR", "Invalid data found when processing input", 1);
    setenv("FAKE_CONV_FAIL_MATCH", "bad", 1);
    host.queue = {input("good.mp3"), input("bad.mp3")};
    runBatch();
    ASSERT_EQ(host.details.size(), 1u);
    EXPECT_EQ(host.details[0], test::readFile(host.report));
    EXPECT_NE(host.details[0].find("failed      bad.mp3: Invalid data found when processing input\n"), std::string::npos);
    EXPECT_EQ(host.ended.count(FileResult::Failed), 1);
}

// Two files at once through the same driver. The scripted converter holds the conversions of
// inputs named "held-" until the test opens the gate, so the order in which files end is the
// test's own, never a matter of timing.
class TwoAtOnceTest : public BatchDriverTest
{
protected:
    void SetUp() override
    {
        BatchDriverTest::SetUp();
        host.atOnce = 2;
        setenv("FAKE_CONV_GATE_MATCH", "held-", 1);
        setenv("FAKE_CONV_GATE_FILE", gate.c_str(), 1);
    }
    void openGate() { test::writeFile(gate, ""); }

    // The segments an outcome lists for an input, as the report pairs them.
    std::vector<std::string> segmentsOf(const std::string& source) const
    {
        for (const FileOutcome& file : host.ended.files) {
            if (file.input == source)
                return file.segments;
        }
        return {};
    }

    std::string gate = dir / "gate";
};

// A held file keeps converting while the files behind it pass it by: each row leaves the list
// with its own path, a file added meanwhile joins the queue, and a failure stays with its file.
TEST_F(TwoAtOnceTest, FilesPassAHeldOneAndEveryRowStaysWithItsPath)
{
    const std::string held = input("held-a.mp3");
    const std::string quick = input("quick.mp3");
    const std::string failing = input("failing.mp3");
    const std::string added = input("added.mp3");
    setenv("FAKE_CONV_ERROR", "failing.mp3: Invalid data found when processing input", 1);
    setenv("FAKE_CONV_FAIL_MATCH", "failing", 1);
    host.queue = {held, quick, failing};
    std::vector<std::vector<std::string>> queueAfterRemoval;
    host.onCall = [&](const std::string& call) {
        if (!call.starts_with("remove"))
            return;
        queueAfterRemoval.push_back(host.queue);
        if (call == "remove " + quick)
            host.queue.push_back(added);
        if (call == "remove " + added)
            openGate();
    };
    runBatch();

    EXPECT_EQ(queueAfterRemoval,
              (std::vector<std::vector<std::string>>{{held, failing}, {held, added}, {held}, {}}));
    EXPECT_EQ(host.caption, "Done, 1 failed.");
    EXPECT_EQ(segmentsOf(held), (std::vector<std::string>{"held-a00000.mp3", "held-a00001.mp3", "held-a00002.mp3"}));
    EXPECT_EQ(segmentsOf(quick), (std::vector<std::string>{"quick00000.mp3", "quick00001.mp3", "quick00002.mp3"}));
    EXPECT_EQ(segmentsOf(added), (std::vector<std::string>{"added00000.mp3", "added00001.mp3", "added00002.mp3"}));
    ASSERT_EQ(host.ended.files.size(), 4u);
    EXPECT_EQ(host.ended.files[1].input, failing);
    EXPECT_EQ(host.ended.files[1].result, FileResult::Failed);
    EXPECT_FALSE(exists(host.folder + "/failing00000.mp3"));
    // Each running row showed its own percentage; the status line counted the files at once.
    for (const std::string& path : {held, quick, added})
        EXPECT_EQ(host.rowTexts[path].front(), "46.1%") << path;
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "Files 1-2 of 3 \u00B7 estimating..."),
              host.statuses.end());
    EXPECT_EQ(host.count("open " + host.folder), 1);
    EXPECT_TRUE(messages.empty());
}

// STOP ends both conversions, removes what they wrote and keeps every file queued in order.
TEST_F(TwoAtOnceTest, StopEndsBothRunningConversionsAndKeepsTheOrder)
{
    const std::string first = input("held-1.mp3");
    const std::string second = input("held-2.mp3");
    // Larger than the others: no share of the batch then equals a share of one file.
    const std::string third = dir / "in/c.mp3";
    test::writeFile(third, "audio!!");
    host.queue = {first, second, third};
    host.onCall = [&](const std::string& call) {
        if (call.starts_with("row ") && host.rowTexts.size() == 2)
            driver.requestStop();
    };
    runBatch();

    EXPECT_EQ(host.queue, (std::vector<std::string>{first, second, third}));
    EXPECT_EQ(host.caption, "Stopped.");
    EXPECT_TRUE(host.ended.stopped);
    ASSERT_EQ(host.ended.files.size(), 3u);
    EXPECT_EQ(host.ended.files[0].result, FileResult::Stopped);
    EXPECT_EQ(host.ended.files[1].result, FileResult::Stopped);
    EXPECT_EQ(host.ended.files[2].result, FileResult::NotStarted);
    EXPECT_TRUE(fs::is_empty(host.folder)) << "segments of a stopped run stay";
    EXPECT_TRUE(test::converterProcessesOn(first).empty());
    EXPECT_TRUE(test::converterProcessesOn(second).empty());
    // Each row showed its own file's percentage and shows its tag again; the bar showed the
    // whole batch (the third file's share included), never one file's.
    for (const std::string& path : {first, second}) {
        EXPECT_EQ(host.rowTexts[path].front(), "46.1%") << path;
        EXPECT_EQ(host.rowTexts[path].back(), "") << path;
    }
    const auto shares = std::count_if(host.calls.begin(), host.calls.end(), [](const std::string& call) {
        return call.starts_with("caption ") && call.ends_with("%");
    });
    EXPECT_GT(shares, 0);
    for (const char* oneFile : {"caption 46.1%", "caption 92.3%", "caption 100%"})
        EXPECT_EQ(host.count(oneFile), 0) << oneFile;
    EXPECT_EQ(host.count("open " + host.folder), 0);
}

// Two FLAC inputs at once each get a first pass of their own; same-named inputs at once
// still write apart.
TEST_F(TwoAtOnceTest, FilesAtOnceShareNeitherScratchFileNorOutputNames)
{
    fs::create_directories(dir / "in/x");
    fs::create_directories(dir / "in/y");
    const std::string flacX = input("x/song.flac");
    const std::string flacY = input("y/song.flac");
    host.queue = {flacX, flacY};
    runBatch();

    const std::vector<std::string> firstPasses{"-threads | 1 | -i | " + flacX + " | " + host.scratch + "/tmp.wav",
                                               "-threads | 1 | -i | " + flacY + " | " + host.scratch + "/tmp2.wav"};
    const std::vector<std::string> started = runs();
    for (const std::string& pass : firstPasses)
        EXPECT_NE(std::find(started.begin(), started.end(), pass), started.end()) << pass;
    EXPECT_EQ(host.caption, "Done.");
    EXPECT_EQ(segmentsOf(flacX).front(), "song00000.mp3");
    EXPECT_EQ(segmentsOf(flacY).front(), "song (2)00000.mp3");
    EXPECT_FALSE(exists(host.scratch + "/tmp.wav"));
    EXPECT_FALSE(exists(host.scratch + "/tmp2.wav"));
}

} // namespace
} // namespace brisquel
