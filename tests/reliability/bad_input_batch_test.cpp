// Whole batches through the window and the real converter on inputs and output folders that
// go wrong, and on a converter that is killed or stands in the way. Every batch must end,
// leave the window usable, change nothing but the output and scratch folders, leave every
// input as it was, and name each file that failed in its report.
#include "folder_snapshot.h"
#include "main_window_fixture.h"
#include "scratch_mount.h"

#include "engine/failure_report.h"
#include "engine/segment_files.h"
#include "input/get_file.h"
#include "input/intake_entry.h"
#include "platform/termination_signals.h"
#include "ui/main_window_layout.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace brisquel {
namespace {

namespace fs = std::filesystem;
using test::MainWindowFixture;

enum class Outcome { Converted, Warned, Failed };

// The tones every case copies its inputs from, made once: small and short, so a batch takes
// about a second.
class Tones
{
public:
    Tones()
    {
        make(shortWav, "3");
        make(shortMp3, "3");
        // Long enough to be still converting when the first percentage shows.
        make(longWav, "300");
    }

    test::TempDir dir;
    const std::string shortWav = dir / "short.wav";
    const std::string shortMp3 = dir / "short.mp3";
    const std::string longWav = dir / "long.wav";

private:
    static void make(const std::string& path, const std::string& seconds)
    {
        test::runConverter({"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=" + seconds, "-y", path});
        EXPECT_TRUE(fs::exists(path)) << path;
    }
};

struct BatchResult
{
    bool ended = false;
    QString caption;      // the last one lblPB showed
    std::string report;   // the "Convert" warning; empty when none was shown
    int messageCount = 0; // message boxes of any kind
};

class BadInputBatch : public MainWindowFixture
{
public:
    static void SetUpSuite() { s_tones = std::make_unique<Tones>(); }
    static void TearDownSuite() { s_tones.reset(); }

    BadInputBatch()
    {
        // The per-user cache folder stands on every machine; the scratch folder below it is
        // the program's own.
        fs::create_directories(fs::path(scratch).parent_path());
        fs::create_directories(inputs);
        fs::copy_file(s_tones->shortWav, inputs + "/after.wav");
    }

    std::string copyOf(const std::string& tone, const std::string& name)
    {
        const std::string path = inputs + "/" + name;
        fs::copy_file(tone, path);
        return path;
    }

    // Queued as a drop on the list queues it: the path as it is, with no check.
    static void queue(frmMain& w, const std::string& path) { w.queue().append(plainDropEntry(path)); }

    // Everything outside the output, scratch and report folders: the inputs, the settings,
    // the sandbox's own folders.
    test::FolderSnapshot sandbox(const std::string& outputFolder) const
    {
        return test::snapshotFolder(dir.path(), {outputFolder, scratch, reports});
    }

    BatchResult runBatch(frmMain& w, const std::function<void(const QString&)>& onCaption = {})
    {
        BatchResult result;
        const auto connection = QObject::connect(&w, &frmMain::progressCaptionChanged, [&](const QString& caption) {
            result.caption = caption;
            if (caption.startsWith("Done") || caption == "Stopped.")
                result.ended = true;
            if (onCaption)
                onCaption(caption);
        });
        click(w, layout::Convert.center());
        // A bound only to turn a hang into a failure; a batch here takes seconds.
        for (int i = 0; i < 3600 && !result.ended; ++i)
            QTest::qWait(50);
        QObject::disconnect(connection);
        result.messageCount = static_cast<int>(desktop.messages.size());
        for (const auto& message : desktop.messages) {
            if (message.title == "Convert")
                result.report = message.text.toStdString();
        }
        return result;
    }

    // Runs the queued batch and checks what every batch must do: end, leave the window
    // usable, and change nothing outside the output and scratch folders.
    BatchResult runChecked(frmMain& w, const std::string& outputFolder,
                           const std::function<void(const QString&)>& onCaption = {})
    {
        const test::FolderSnapshot before = sandbox(outputFolder);
        BatchResult result = runBatch(w, onCaption);
        EXPECT_TRUE(result.ended) << "the batch did not end; last caption " << result.caption.toStdString();
        if (result.ended) {
            expectSurvived(w);
            EXPECT_EQ(test::snapshotDifferences(before, sandbox(outputFolder)), "")
            << "only the output, scratch and report folders change";
        }
        return result;
    }

    // The window is idle and usable again, and no converter of this test is left running.
    void expectSurvived(frmMain& w) const
    {
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(control<QWidget>(w, "imgConvert")->isEnabled());
        EXPECT_TRUE(control<QWidget>(w, "imgToolbar0")->isEnabled());
        EXPECT_EQ(w.queue().count(), 0) << "every file leaves the queue";
        EXPECT_TRUE(test::converterProcessesOn(inputs).empty());
        EXPECT_FALSE(fs::exists(scratch + "/tmp.wav"));
    }

    static bool segmentsOf(const std::string& outputFolder, const std::string& input)
    {
        return !ListSegmentFiles(outputFolder, GetBaseName(input), ".mp3").empty();
    }

    static inline std::unique_ptr<Tones> s_tones;
    const std::string inputs = dir / "inputs";
};

// One bad entry queued ahead of a good file: the batch must get past it.
struct BadInput
{
    const char* label;
    std::function<std::string(BadInputBatch&)> make; // the queue path
    Outcome expected;
    std::function<void(const std::string&)> afterQueued = {};
    const char* reason = nullptr; // what the report must say of it, when that is fixed
};

void PrintTo(const BadInput& c, std::ostream* os)
{
    *os << c.label;
}

std::string longName()
{
    // 255 bytes, the most a file name can hold: the segment names, longer by five digits
    // and a changed extension, cannot be made.
    return std::string(251, 'n') + ".wav";
}

const BadInput BadInputs[] = {
    {"ZeroByteFile", [](BadInputBatch& t) { test::writeFile(t.inputs + "/empty.mp3", ""); return t.inputs + "/empty.mp3"; },
     Outcome::Failed},
    {"TruncatedMp3",
     [](BadInputBatch& t) {
         // Cut short as by a broken download: the part that is there still plays.
         const std::string bytes = test::readFile(BadInputBatch::s_tones->shortMp3);
         test::writeFile(t.inputs + "/truncated.mp3", bytes.substr(0, bytes.size() / 2));
         return t.inputs + "/truncated.mp3";
     },
     Outcome::Warned},
    {"TextNamedMp3",
     [](BadInputBatch& t) {
         test::writeFile(t.inputs + "/notes.mp3", "These are my notes, not a song.\n");
         return t.inputs + "/notes.mp3";
     },
     Outcome::Failed},
    {"DeletedAfterQueued", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "gone.wav"); },
     Outcome::Failed, [](const std::string& path) { fs::remove(path); }},
    {"FolderPath",
     [](BadInputBatch& t) {
         fs::create_directories(t.inputs + "/album.wav");
         return t.inputs + "/album.wav";
     },
     Outcome::Failed},
    {"DoubleQuoteInName", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "say \"hi\".wav"); },
     Outcome::Converted},
    {"LeadingDash", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "-y -i.wav"); },
     Outcome::Converted},
    {"ShellSubstitution", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "$(touch x).wav"); },
     Outcome::Converted},
    {"NewlineInName", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "line\nbreak.wav"); },
     Outcome::Converted},
    {"LongestName", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, longName()); },
     Outcome::Failed},
    {"NonAsciiName",
     [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "Ünïcødé 音楽 – ñ.wav"); },
     Outcome::Converted},
    // A path that names a FIFO by the time its turn comes would hold the converter for ever.
    {"ReplacedByAFifoBeforeItsTurn", [](BadInputBatch& t) { return t.copyOf(BadInputBatch::s_tones->shortWav, "later.wav"); },
     Outcome::Failed,
     [](const std::string& path) {
         fs::remove(path);
         ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
     },
     "not a regular file"},
};

class BadInputTest : public testing::TestWithParam<BadInput>, public BadInputBatch
{
public:
    static void SetUpTestSuite() { SetUpSuite(); }
    static void TearDownTestSuite() { TearDownSuite(); }
};

TEST_P(BadInputTest, TheBatchGetsPastItAndReportsItIfItFailed)
{
    const BadInput& c = GetParam();
    const std::string bad = c.make(*this);
    const std::string after = inputs + "/after.wav";
    auto w = start(test::binFolder());
    queue(*w, bad);
    queue(*w, after);
    if (c.afterQueued)
        c.afterQueued(bad);

    const BatchResult result = runChecked(*w, output);

    ASSERT_TRUE(result.ended);
    EXPECT_TRUE(segmentsOf(output, after)) << "the file after the bad one is converted";
    if (c.expected == Outcome::Failed) {
        EXPECT_EQ(result.caption, "Done, 1 failed.");
        EXPECT_NE(result.report.find(GetFileName(bad) + ": " + (c.reason ? c.reason : "")), std::string::npos)
            << result.report;
        EXPECT_FALSE(segmentsOf(output, bad));
    } else if (c.expected == Outcome::Warned) {
        // Converted as far as it goes, and said so.
        EXPECT_EQ(result.caption, "Done, 1 with warnings.");
        EXPECT_NE(result.report.find(GetFileName(bad) + ": only "), std::string::npos) << result.report;
        EXPECT_TRUE(segmentsOf(output, bad));
    } else {
        EXPECT_EQ(result.caption, "Done.") << result.report;
        EXPECT_TRUE(segmentsOf(output, bad));
    }
    EXPECT_EQ(result.report.find(GetFileName(after)), std::string::npos) << result.report;
    // The program never hands a name to a shell, so "$(touch x)" made no file anywhere.
    EXPECT_EQ(test::findByName(dir.path(), "x"), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(fs::current_path() / "x"));
    EXPECT_FALSE(fs::exists(test::binFolder() + "/x"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, testing::ValuesIn(BadInputs),
                         [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.label); });

// An output folder the converter cannot write to: every file fails, and each is named.
struct BadOutputFolder
{
    const char* label;
    // Makes the folder and returns the text for txtPath, or sets `skip` to why it cannot.
    std::function<std::string(BadInputBatch&, std::unique_ptr<test::ScratchMount>&, std::string& skip)> make;
};

void PrintTo(const BadOutputFolder& c, std::ostream* os)
{
    *os << c.label;
}

const BadOutputFolder BadOutputFolders[] = {
    {"ReadOnly",
     [](BadInputBatch& t, std::unique_ptr<test::ScratchMount>& mount, std::string& skip) {
         fs::create_directories(t.output);
         mount = std::make_unique<test::ScratchMount>(t.output, "1m", true);
         skip = mount->failure();
         return t.output;
     }},
    {"ParentMissing",
     [](BadInputBatch& t, std::unique_ptr<test::ScratchMount>&, std::string&) { return t.dir / "missing/output"; }},
    {"FullDisk",
     [](BadInputBatch& t, std::unique_ptr<test::ScratchMount>& mount, std::string& skip) {
         fs::create_directories(t.output);
         mount = std::make_unique<test::ScratchMount>(t.output, "64k", false);
         skip = mount->failure();
         // Room for the start of the first segment, not for its end.
         if (skip.empty())
             test::fillFileSystem(t.output + "/filler", 16 * 1024);
         return t.output;
     }},
};

class BadOutputFolderTest : public testing::TestWithParam<BadOutputFolder>, public BadInputBatch
{
public:
    static void SetUpTestSuite() { SetUpSuite(); }
    static void TearDownTestSuite() { TearDownSuite(); }

protected:
    // Declared after the fixture's folders, so it is unmounted before they are removed.
    std::unique_ptr<test::ScratchMount> mount;
};

TEST_P(BadOutputFolderTest, EveryFileFailsAndIsReported)
{
    std::string skip;
    const std::string folder = GetParam().make(*this, mount, skip);
    if (!skip.empty()) {
        std::printf("skipped: %s\n", skip.c_str());
        GTEST_SKIP() << skip;
    }
    const std::string first = copyOf(s_tones->shortWav, "first.wav");
    const std::string second = inputs + "/after.wav";
    auto w = start(test::binFolder());
    control<QLineEdit>(*w, "txtPath")->setText(QString::fromStdString(folder));
    queue(*w, first);
    queue(*w, second);

    const BatchResult result = runChecked(*w, folder);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.caption, "Done, 2 failed.");
    for (const std::string& input : {first, second}) {
        EXPECT_NE(result.report.find(GetFileName(input) + ": "), std::string::npos) << result.report;
        // Whatever part of a file fitted is removed: nothing left looks like a result.
        EXPECT_FALSE(segmentsOf(folder, input)) << GetFileName(input);
    }
    if (std::string(GetParam().label) == "FullDisk") {
        EXPECT_NE(result.report.find("(partial output removed)"), std::string::npos) << result.report;
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, BadOutputFolderTest, testing::ValuesIn(BadOutputFolders),
                         [](const testing::TestParamInfo<BadOutputFolder>& info) { return std::string(info.param.label); });

// Waits for a state, not for a time: the bound only turns a hang into a failure.
bool waitFor(const std::function<bool()>& state, int seconds = 60)
{
    for (int i = 0; i < seconds * 20 && !state(); ++i)
        QTest::qWait(50);
    return state();
}

class ConverterFaultTest : public testing::Test, public BadInputBatch
{
public:
    static void SetUpTestSuite() { SetUpSuite(); }
    static void TearDownTestSuite() { TearDownSuite(); }

    // One good file through the real converter, while something stands in the way.
    void expectAGoodFileConverts()
    {
        const std::string input = inputs + "/after.wav";
        auto w = start(test::binFolder());
        queue(*w, input);
        const BatchResult result = runChecked(*w, output);
        ASSERT_TRUE(result.ended);
        EXPECT_EQ(result.caption, "Done.") << result.report;
        EXPECT_TRUE(segmentsOf(output, input));
    }

    // Waits until the process has taken the converter's name: until its exec is done it
    // still carries the name of whoever started it.
    static bool waitForConverterName(pid_t pid)
    {
        return waitFor([&] { return test::readFile("/proc/" + std::to_string(pid) + "/comm") == "conv.exe\n"; });
    }
};

// A converter that dies in the middle of a file (the system ran out of memory, the user
// ended it) has left at most part of the file converted: that file failed, and the batch
// goes on with the next one.
TEST_F(ConverterFaultTest, AConverterKilledMidFileFailsThatFileOnly)
{
    const std::string killed = copyOf(s_tones->longWav, "killed.wav");
    const std::string after = inputs + "/after.wav";
    auto w = start(test::binFolder());
    queue(*w, killed);
    queue(*w, after);

    int kills = 0;
    const BatchResult result = runChecked(*w, output, [&](const QString& caption) {
        // The first percentage: the conversion of the long file is under way.
        if (kills == 0 && caption.endsWith('%')) {
            for (const int pid : test::converterProcessesOn(killed))
                kills += ::kill(pid, SIGKILL) == 0;
        }
    });

    ASSERT_TRUE(result.ended);
    ASSERT_EQ(kills, 1) << "the converter of the long file was not found running";
    EXPECT_EQ(result.caption, "Done, 1 failed.");
    EXPECT_NE(result.report.find(GetFileName(killed) + ": "), std::string::npos) << result.report;
    EXPECT_EQ(result.report.find(GetFileName(after)), std::string::npos) << result.report;
    EXPECT_TRUE(segmentsOf(output, after));
}

// A process of the converter's name that belongs to someone else would keep every run
// waiting (a run ends when no conv.exe is left); preparing a file ends it.
TEST_F(ConverterFaultTest, AStrayConverterIsEndedAndTheBatchCompletes)
{
    const std::string strayFolder = dir / "stray";
    fs::create_directories(strayFolder);
    fs::create_symlink("/bin/sleep", strayFolder + "/conv.exe");
    const std::string strayPath = strayFolder + "/conv.exe";
    char* args[] = {const_cast<char*>(strayPath.c_str()), const_cast<char*>("600"), nullptr};
    pid_t stray = -1;
    ASSERT_EQ(posix_spawn(&stray, strayPath.c_str(), nullptr, nullptr, args, environ), 0);
    // Reaped whatever happens, so a failed test leaves no sleeper behind.
    const std::unique_ptr<pid_t, void (*)(pid_t*)> reaper(&stray, [](pid_t* pid) {
        if (*pid > 0) {
            ::kill(*pid, SIGKILL);
            ::waitpid(*pid, nullptr, 0);
        }
    });
    ASSERT_TRUE(waitForConverterName(stray));

    expectAGoodFileConverts();
    int status = 0;
    ASSERT_EQ(::waitpid(stray, &status, WNOHANG), stray) << "the stray converter still runs";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    stray = -1;
}

// Two albums with the same track names, and an output folder that holds the inputs, one of
// them named like another's first segment: nothing is written over, every result exists.
TEST_F(ConverterFaultTest, SameNamesNeverOverwriteAResultOrAnInput)
{
    fs::create_directories(inputs + "/Album1");
    fs::create_directories(inputs + "/Album2");
    const std::string track1 = copyOf(s_tones->shortWav, "Album1/01 Track.wav");
    const std::string track2 = copyOf(s_tones->shortMp3, "Album2/01 Track.wav");
    auto w = start(test::binFolder());
    queue(*w, track1);
    queue(*w, track2);
    BatchResult result = runChecked(*w, output);
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.caption, "Done.") << result.report;
    EXPECT_TRUE(fs::exists(output + "/01 Track00000.mp3"));
    EXPECT_TRUE(fs::exists(output + "/01 Track (2)00000.mp3")) << "the second album's track has a name of its own";

    // The output folder is the input folder.
    const std::string recording = copyOf(s_tones->shortWav, "REC.wav");
    const std::string segmentNamed = copyOf(s_tones->shortMp3, "REC00000.mp3");
    const std::string before = test::readFile(segmentNamed);
    control<QLineEdit>(*w, "txtPath")->setText(QString::fromStdString(inputs));
    queue(*w, recording);
    queue(*w, segmentNamed);
    const test::FolderSnapshot others = test::snapshotFolder(dir.path(), {inputs, scratch, reports});
    result = runBatch(*w);
    ASSERT_TRUE(result.ended);
    expectSurvived(*w);
    EXPECT_EQ(result.caption, "Done.") << result.report;
    EXPECT_EQ(test::readFile(segmentNamed), before) << "a queued input was written over";
    EXPECT_TRUE(fs::exists(inputs + "/REC (2)00000.mp3"));
    EXPECT_TRUE(fs::exists(inputs + "/REC0000000000.mp3"));
    EXPECT_EQ(test::snapshotDifferences(others, test::snapshotFolder(dir.path(), {inputs, scratch, reports})), "");
}

// A converter that goes silent (its input stopped answering) is ended after the silence
// limit, its file counted as failed, and the batch goes on.
TEST_F(ConverterFaultTest, ASilentConverterIsEndedAndTheBatchGoesOn)
{
    converterSilenceLimit = std::chrono::seconds(2);
    setenv("FAKE_CONV_HANG_MATCH", "stuck", 1);
    const std::string stuck = copyOf(s_tones->shortWav, "stuck.wav");
    const std::string after = inputs + "/after.wav";
    auto w = start(); // the scripted converter
    queue(*w, stuck);
    queue(*w, after);
    const BatchResult result = runChecked(*w, output);
    unsetenv("FAKE_CONV_HANG_MATCH");

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.caption, "Done, 1 failed.");
    EXPECT_NE(result.report.find("stuck.wav: the converter stopped responding"), std::string::npos) << result.report;
    EXPECT_FALSE(segmentsOf(output, stuck)) << "the part it wrote before it went silent is removed";
    EXPECT_TRUE(segmentsOf(output, after));
}

// SIGTERM ends the program as the close box does: the running converter stops, the scratch
// WAV goes, nothing half converted stays, and the window unloads.
TEST_F(ConverterFaultTest, SigtermMidConversionEndsTheConverterAndTheScratchFiles)
{
    const std::string flac = inputs + "/long.flac";
    test::runConverter({"-v", "error", "-i", s_tones->longWav, "-y", flac});
    auto w = start(test::binFolder());
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, w.get(), &QWidget::close);
    QSignalSpy unloaded(w.get(), &frmMain::unloaded);
    queue(*w, flac);

    bool sent = false;
    bool scratchWavWhileConverting = false;
    const auto connection = QObject::connect(w.get(), &frmMain::progressCaptionChanged, [&](const QString& caption) {
        if (sent || !caption.endsWith('%'))
            return;
        scratchWavWhileConverting = fs::exists(scratch + "/tmp.wav");
        sent = ::kill(::getpid(), SIGTERM) == 0;
    });
    click(*w, layout::Convert.center());
    ASSERT_TRUE(waitFor([&] { return !unloaded.isEmpty(); })) << "the window did not unload";
    QObject::disconnect(connection);

    EXPECT_TRUE(sent);
    EXPECT_TRUE(scratchWavWhileConverting);
    EXPECT_TRUE(waitFor([&] { return test::converterProcessesOn(flac).empty(); })) << "the converter still runs";
    EXPECT_FALSE(fs::exists(scratch + "/tmp.wav"));
    EXPECT_FALSE(segmentsOf(output, flac)) << "a half converted file was left";
    EXPECT_TRUE(desktop.openedUrls.empty()) << "the end steps of a batch ran";
}

// A second user's converter is not this user's to wait for or to end: the batch finishes
// while it goes on running.
TEST_F(ConverterFaultTest, AnotherUsersConverterNeitherStallsTheBatchNorIsEnded)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to start a process under another user";
    // A folder the other user can reach, for the link its process is started through.
    char pattern[] = "/tmp/brisquel-other-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string strayFolder = pattern;
    const std::unique_ptr<const std::string, void (*)(const std::string*)> cleanup(&strayFolder, [](const std::string* f) {
        std::error_code ec;
        fs::remove_all(*f, ec);
    });
    fs::permissions(strayFolder, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const std::string strayPath = strayFolder + "/conv.exe";
    fs::create_symlink("/bin/sleep", strayPath);
    const char* args[] = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", strayPath.c_str(), "600",
                          nullptr};
    pid_t stray = -1;
    ASSERT_EQ(posix_spawn(&stray, "/usr/bin/setpriv", nullptr, nullptr, const_cast<char**>(args), environ), 0);
    const std::unique_ptr<pid_t, void (*)(pid_t*)> reaper(&stray, [](pid_t* pid) {
        ::kill(*pid, SIGKILL);
        ::waitpid(*pid, nullptr, 0);
    });
    ASSERT_TRUE(waitForConverterName(stray));

    expectAGoodFileConverts();
    EXPECT_EQ(::waitpid(stray, nullptr, WNOHANG), 0) << "another user's process was ended";
}

class IntakeFifoTest : public testing::Test, public BadInputBatch
{
public:
    static void SetUpTestSuite() { SetUpSuite(); }
    static void TearDownTestSuite() { TearDownSuite(); }
};

// Every way in leaves a FIFO out, silently, as Add Folder does: a read of it would never end.
TEST_F(IntakeFifoTest, EveryIntakeLeavesAFifoOut)
{
    const std::string fifo = inputs + "/stream.mp3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto w = start();
    const auto data = filesData({fifo});

    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(fifo)});
    click(*w, layout::Toolbar[0].center()); // Add File, the path typed in
    overlayDrop(*w, *data);
    drop(listViewport(*w), *data);
    w->showDropZone();
    auto* zone = control<QWidget>(*w, "picDrag");
    drop(zone, *data);
    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(fifo)});
    QTest::mouseClick(zone, Qt::LeftButton);
    desktop.folderAnswers.push_back(QString::fromStdString(inputs));
    click(*w, layout::Toolbar[6].center()); // Add Folder, for comparison

    EXPECT_TRUE(desktop.fileAnswers.empty()) << "a dialog was not asked";
    ASSERT_EQ(w->queue().count(), 1) << "only after.wav, found by Add Folder";
    EXPECT_EQ(w->queue().path(0), inputs + "/after.wav");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(fs::is_empty(scratch) || !fs::exists(scratch)) << "no copy of the FIFO was tried";
}

} // namespace
} // namespace brisquel
