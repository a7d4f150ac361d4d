#include "engine/batch_report.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace brisquel {
namespace {

namespace fs = std::filesystem;

TEST(BatchReport, NamesEveryFileWithWhatBecameOfIt)
{
    BatchOutcome outcome;
    outcome.started = std::chrono::system_clock::from_time_t(1'765'380'000);
    outcome.ended = outcome.started + std::chrono::seconds(65);
    outcome.settings = {"MP3", "128", "44100", "2 channels", "30 seconds", "/home/u/output"};
    outcome.stopped = true;
    outcome.files = {{"/in/a.mp3", FileResult::Converted, {}, {"a00000.mp3", "a00001.mp3"}},
                     {"/in/b.mp3", FileResult::Converted, {}, {"b00000.mp3"}},
                     {"/in/c.wav", FileResult::Warning, "only 2 of 10 seconds converted", {"c00000.mp3"}},
                     {"/in/d.mp3", FileResult::Failed, "Invalid data found when processing input", {}},
                     {"/in/e.mp3", FileResult::Failed, "", {}},
                     {"/in/f.mp3", FileResult::Stopped, {}, {}},
                     {"/in/g.mp3", FileResult::NotStarted, {}, {}}};
    EXPECT_EQ(BatchReportText(outcome, test::utcTime),
              "Brisquel batch report\n\n"
              "Started:  2025-12-10 15:20:00\n"
              "Ended:    2025-12-10 15:21:05 (stopped)\n"
              "Format:   MP3, 128 kbit/s, 44100 Hz, 2 channels\n"
              "Split:    30 seconds\n"
              "Output:   /home/u/output\n\n"
              "converted   a.mp3 -> 2 segments: a00000.mp3, a00001.mp3\n"
              "converted   b.mp3 -> 1 segment: b00000.mp3\n"
              "converted   c.wav -> 1 segment: c00000.mp3\n"
              "warning     c.wav: only 2 of 10 seconds converted\n"
              "failed      d.mp3: Invalid data found when processing input\n"
              "failed      e.mp3: no output was written\n"
              "stopped     f.mp3\n"
              "not started g.mp3\n\n"
              "3 converted, 2 failed, 1 with a warning, 2 left in the list\n");
}

TEST(BatchReport, WritingReplacesTheWholeFileAndLeavesNothingElse)
{
    test::TempDir dir;
    const std::string folder = dir / "state/brisquel";
    const std::string report = folder + "/last-batch.txt";
    ASSERT_TRUE(WriteBatchReport(report, "first\n"));
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    ASSERT_TRUE(WriteBatchReport(report, "second\n"));
    EXPECT_EQ(test::readFile(report), "second\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A link planted where the report goes is replaced, never written through.
    const std::string elsewhere = dir / "elsewhere.txt";
    test::writeFile(elsewhere, "keep");
    fs::remove(report);
    fs::create_symlink(elsewhere, report);
    ASSERT_TRUE(WriteBatchReport(report, "third\n"));
    EXPECT_FALSE(fs::is_symlink(report));
    EXPECT_EQ(test::readFile(report), "third\n");
    EXPECT_EQ(test::readFile(elsewhere), "keep");
}

TEST(BatchReport, AReportThatCannotBeWrittenLeavesNothingBehind)
{
    test::TempDir dir;
    // A folder stands where the report goes: the rename fails.
    const std::string report = dir / "last-batch.txt";
    fs::create_directories(report);
    test::writeFile(report + "/kept", "x");
    EXPECT_FALSE(WriteBatchReport(report, "new\n"));
    EXPECT_EQ(test::readFile(report + "/kept"), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // No folder can be made below a file.
    test::writeFile(dir / "file", "x");
    EXPECT_FALSE(WriteBatchReport(dir / "file/last-batch.txt", "new\n"));
}

} // namespace
} // namespace brisquel
