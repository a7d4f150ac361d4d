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
#include "ui/main_window_layout.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <spawn.h>
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

    // Everything outside the output and scratch folders: the inputs, the settings, the
    // sandbox's own folders.
    test::FolderSnapshot sandbox(const std::string& outputFolder) const
    {
        return test::snapshotFolder(dir.path(), {outputFolder, scratch});
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
            EXPECT_EQ(test::snapshotDifferences(before, sandbox(outputFolder)), "") << "only the output and scratch folders change";
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
        EXPECT_NE(result.report.find(GetFileName(bad) + ": "), std::string::npos) << result.report;
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
    for (const std::string& input : {first, second})
        EXPECT_NE(result.report.find(GetFileName(input) + ": "), std::string::npos) << result.report;
}

INSTANTIATE_TEST_SUITE_P(Folders, BadOutputFolderTest, testing::ValuesIn(BadOutputFolders),
                         [](const testing::TestParamInfo<BadOutputFolder>& info) { return std::string(info.param.label); });

class ConverterFaultTest : public testing::Test, public BadInputBatch
{
public:
    static void SetUpTestSuite() { SetUpSuite(); }
    static void TearDownTestSuite() { TearDownSuite(); }
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
    // Until its exec is done the child still carries this program's name.
    for (int i = 0; i < 200 && test::readFile("/proc/" + std::to_string(stray) + "/comm") != "conv.exe\n"; ++i)
        QTest::qWait(10);
    ASSERT_EQ(test::readFile("/proc/" + std::to_string(stray) + "/comm"), "conv.exe\n");

    const std::string input = inputs + "/after.wav";
    auto w = start(test::binFolder());
    queue(*w, input);

    const BatchResult result = runChecked(*w, output);

    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.caption, "Done.") << result.report;
    EXPECT_TRUE(segmentsOf(output, input));
    int status = 0;
    ASSERT_EQ(::waitpid(stray, &status, WNOHANG), stray) << "the stray converter still runs";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    stray = -1;
}

} // namespace
} // namespace brisquel
