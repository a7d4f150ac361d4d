#include "input/intake_entry.h"
#include "input/windows1252_code_page.h"

#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

const std::string Omega = "\xce\xa9";
const std::string Psi = "\xce\xa8";

std::tm fixedTime()
{
    std::tm time {};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 3;
    time.tm_min = 4;
    time.tm_sec = 5;
    return time;
}

// Windows-1252 lacks Greek, so Greek names reach the temporary copies with real files.
class IntakeStepsTest : public ::testing::Test
{
protected:
    // Makes `folder`/`name` holding its own path, so a copy shows where it came from.
    std::string makeFile(const std::string& folder, const std::string& name)
    {
        fs::create_directories(m_dir / folder);
        const std::string path = m_dir / (folder + "/" + name);
        test::writeFile(path, path);
        return path;
    }

    std::string scratch(const std::string& name) const { return m_context.scratchFolder + "/" + name; }

    test::TempDir m_dir;
    Windows1252CodePage m_codePage;
    IntakeContext m_context {m_codePage, m_dir / "cache/brisquel/tmp", fixedTime};
};

TEST_F(IntakeStepsTest, AddFileQueuesWhatTheCodePageCarriesAndCopiesTheRest)
{
    const std::string long240(240, 'a');
    const struct
    {
        std::string folder;
        std::string name;
        std::string copy;         // "" when queued under its own path
        std::string shownFolder;  // the display text's folder part
        std::string shownName;
        std::string tag;
    } cases[] = {
        {"caf\xc3\xa9", "song.mp3", "", "caf\xc3\xa9", "song.mp3", "MP3"},
        {"plain", Omega + Psi + Omega + ".mp3", "20240102-030405.tmp", "plain", "   .mp3", "MP3"},
        {"mixed", "a" + Omega + "b c.wav", "a b c.tmp", "mixed", "a b c.wav", "WAV"},
        {"dir" + Omega, "my.song.flac", "my.song.tmp", "dir?", "my.song.flac", "FLAC"},
        {"marks", Omega + "a:b*c\\d|e<f>\".ogg", " a b c d e f  .tmp", "marks", " a b c\\d e f  .ogg", "OGG"},
        {"long", Omega + long240 + ".mp3", " " + long240.substr(0, 199) + ".tmp", "long", " " + long240 + ".mp3", "MP3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = makeFile(c.folder, c.name);
        const QueueEntry entry = addFileEntry(path, m_context);
        if (c.copy.empty()) {
            EXPECT_EQ(entry.path, path);
        } else {
            EXPECT_EQ(entry.path, scratch(c.copy));
            EXPECT_EQ(test::readFile(entry.path), path);
        }
        EXPECT_EQ(entry.display, m_dir.path() + "/" + c.shownFolder + "/" + c.shownName);
        EXPECT_EQ(entry.format, c.tag);
    }
}

TEST_F(IntakeStepsTest, ARepresentablePathWritesNothingToTheScratchFolder)
{
    const std::string path = makeFile("plain", "song.mp3");
    EXPECT_EQ(addFileEntry(path, m_context).path, path);
    EXPECT_FALSE(fs::exists(m_context.scratchFolder));
    EXPECT_EQ(test::readFile(path), path);
}

TEST_F(IntakeStepsTest, CopiesThatWouldShareANameAreKeptApart)
{
    const std::string first = makeFile("one" + Omega, "x.mp3");
    const std::string second = makeFile("two" + Omega, "x.mp3");
    const std::string nameless1 = makeFile("plain", Omega + ".mp3");
    const std::string nameless2 = makeFile("plain", Psi + ".mp3");

    EXPECT_EQ(queuePath(first, m_context), scratch("x.tmp"));
    EXPECT_EQ(queuePath(second, m_context), scratch("x (2).tmp"));
    EXPECT_EQ(queuePath(first, m_context), scratch("x (3).tmp"));
    // Both are copied within the same second of the fixed clock.
    EXPECT_EQ(queuePath(nameless1, m_context), scratch("20240102-030405.tmp"));
    EXPECT_EQ(queuePath(nameless2, m_context), scratch("20240102-030405 (2).tmp"));

    EXPECT_EQ(test::readFile(scratch("x.tmp")), first);
    EXPECT_EQ(test::readFile(scratch("x (2).tmp")), second);
    EXPECT_EQ(test::readFile(scratch("20240102-030405 (2).tmp")), nameless2);
}

TEST_F(IntakeStepsTest, AFailedCopyStillQueuesItsOwnEmptyName)
{
    const std::string missing = m_dir / ("gone" + Omega + ".mp3");
    EXPECT_EQ(queuePath(missing, m_context), scratch("gone .tmp"));
    EXPECT_EQ(test::readFile(scratch("gone .tmp")), "");
    // The name stays taken, so a later copy cannot end up behind the failed entry.
    EXPECT_EQ(queuePath(missing, m_context), scratch("gone  (2).tmp"));
}

TEST_F(IntakeStepsTest, TheScratchFolderIsPrivate)
{
    queuePath(makeFile("plain", Omega + ".mp3"), m_context);
    for (const std::string& folder : {m_dir / "cache/brisquel", m_context.scratchFolder}) {
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
}

TEST_F(IntakeStepsTest, EachIntakeTakesItsTagFromItsOwnSource)
{
    // A trailing space shows which text the tag came from.
    const std::string path = makeFile("plain", "song.mp3 ");
    EXPECT_EQ(addFileEntry(path, m_context).format, "MP3");
    EXPECT_EQ(overlayDropEntry(path, m_context).format, "P3 ");
    EXPECT_EQ(plainDropEntry(path).format, "P3 ");
    EXPECT_EQ(pickedPathEntry(path).format, "MP3");
    EXPECT_EQ(plainDropEntry(path).path, path);
    EXPECT_EQ(plainDropEntry(path).display, path);
}

TEST_F(IntakeStepsTest, AFoundFileIsQueuedAsFoundUnlessTheCodePageLosesIt)
{
    const std::string plain = makeFile("plain", "a.flac");
    const std::string greek = makeFile("plain", Omega + "b.flac");
    const QueueEntry asFound = foundFileEntry(plain, m_context);
    EXPECT_EQ(asFound.path, plain);
    EXPECT_EQ(asFound.display, plain);
    EXPECT_EQ(asFound.format, "FLAC");
    const QueueEntry copied = foundFileEntry(greek, m_context);
    EXPECT_EQ(copied.path, scratch(" b.tmp"));
    EXPECT_EQ(test::readFile(copied.path), greek);
    EXPECT_EQ(copied.format, "FLAC");
}

} // namespace
} // namespace brisquel
