// The ways into the queue beyond Add File, as a user meets them: Add Folder, drops on the
// overlay, the list and the drop zone (sent as real drag events), the drop zone's click,
// and a queue too full to take everything.
#include "main_window_fixture.h"

#include "input/windows1252_code_page.h"
#include "ui/main_window_layout.h"

#include <QDragLeaveEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

#include <set>

namespace brisquel {
namespace {

namespace fs = std::filesystem;
using test::MainWindowFixture;
using Row = MainWindowFixture::Row;

class IntakeWindowTest : public testing::Test, public MainWindowFixture
{
protected:
    // Files with some content, so a temporary copy can be told from an empty one.
    std::string file(const std::string& name, const std::string& content = "sound")
    {
        const std::string path = dir / name;
        fs::create_directories(fs::path(path).parent_path());
        test::writeFile(path, content);
        return path;
    }

    void addFolder(frmMain& w, const std::optional<std::string>& folder)
    {
        desktop.folderAnswers.push_back(folder ? std::optional<QString>(QString::fromStdString(*folder)) : std::nullopt);
        click(w, layout::Toolbar[6].center());
    }

    static bool hintShown(frmMain& w) { return control<QWidget>(w, "picText")->isVisible(); }
    static QString hintCaption(frmMain& w) { return control<QLabel>(w, "lblText")->text(); }

    static Row asFound(const std::string& path, const char* format) { return {path, path, format}; }
};

TEST_F(IntakeWindowTest, AddFolderQueuesTheFilesOfAFolderBeforeThoseOfItsSubFolders)
{
    const std::string flac = file("music/b side.flac");
    const std::string m4a = file("music/a.m4a");
    const std::string deep = file("music/sub/c.mp3");
    auto w = start();

    // The search yields; what the window shows meanwhile is caught in its loop.
    std::set<QString> captionsWhileSearching;
    test::LoopProbe probe([&] {
        if (hintShown(*w))
            captionsWhileSearching.insert(hintCaption(*w));
    });
    addFolder(*w, dir / "music");

    const std::vector<Row> shown = rows(*w);
    ASSERT_EQ(shown.size(), 3u);
    // The two files of the folder come first, in the order the file system lists them.
    const std::set<std::string> top{shown[0].path, shown[1].path};
    EXPECT_EQ(top, (std::set<std::string>{flac, m4a}));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(shown[i], asFound(shown[i].path, shown[i].path == flac ? "FLAC" : "M4A"));
    EXPECT_EQ(shown[2], asFound(deep, "MP3"));
    EXPECT_TRUE(captionsWhileSearching.count("Searching Files..."));
    EXPECT_FALSE(hintShown(*w));
    EXPECT_EQ(hintCaption(*w), "Drag & Drop Files Here");
    EXPECT_FALSE(fs::exists(scratch)) << "paths the code page carries are queued as found";
}

TEST_F(IntakeWindowTest, AddFolderCancelledOrEmptyLeavesTheQueueAndTheHint)
{
    fs::create_directories(dir / "empty/nothing here either");
    auto w = start();

    addFolder(*w, std::nullopt);
    EXPECT_TRUE(rows(*w).empty());
    EXPECT_TRUE(hintShown(*w));
    EXPECT_EQ(hintCaption(*w), "Drag & Drop Files Here");

    addFolder(*w, dir / "empty");
    EXPECT_TRUE(rows(*w).empty());
    EXPECT_TRUE(hintShown(*w));
    EXPECT_EQ(hintCaption(*w), "Drag & Drop Files Here");

    // With a queue, a cancel keeps the hint out of the way.
    drop(listViewport(*w), *filesData({file("one.mp3")}));
    addFolder(*w, std::nullopt);
    EXPECT_EQ(rows(*w).size(), 1u);
    EXPECT_FALSE(hintShown(*w));
    EXPECT_TRUE(desktop.folderAnswers.empty());
}

TEST_F(IntakeWindowTest, ClosingTheWindowDuringASearchTellsTheProgramToEndAtOnce)
{
    for (int i = 0; i < 20; ++i)
        file("many/" + std::to_string(i) + ".mp3");
    auto w = start();
    QSignalSpy unloaded(w.get(), &frmMain::unloaded);
    test::LoopProbe probe([&] {
        if (hintCaption(*w) == "Searching Files..." && unloaded.isEmpty())
            w->close();
    });
    addFolder(*w, dir / "many");
    ASSERT_EQ(unloaded.size(), 1);
    EXPECT_TRUE(unloaded[0][0].toBool());
}

enum class Target { Overlay, List, DropZone };

struct TargetCase
{
    const char* name;
    Target target;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class DropTest : public IntakeWindowTest, public testing::WithParamInterface<TargetCase>
{
protected:
    Qt::DropAction dropOn(frmMain& w, const QMimeData& data, Qt::KeyboardModifiers modifiers = {})
    {
        switch (GetParam().target) {
        case Target::Overlay: return overlayDrop(w, data, modifiers);
        case Target::List: return drop(listViewport(w), data, modifiers);
        case Target::DropZone: break;
        }
        // The drop zone is there once a batch has ended.
        w.showDropZone();
        return drop(control<QWidget>(w, "picDrag"), data, modifiers);
    }
};

TEST_P(DropTest, FilesJoinInDropOrderEachRowWithItsPath)
{
    std::vector<std::string> paths;
    for (const char* name : {"3 third.mp3", "1 first.wav", "in folder/5.flac", "2 second.ogg", "4 fourth.wma"})
        paths.push_back(file(name));
    auto w = start();

    // Shift proposes a move; a move would let the file manager delete what it dropped.
    EXPECT_EQ(dropOn(*w, *filesData(paths), Qt::ShiftModifier), Qt::CopyAction);

    const char* formats[] = {"MP3", "WAV", "FLAC", "OGG", "WMA"};
    std::vector<Row> expected;
    for (std::size_t i = 0; i < paths.size(); ++i)
        expected.push_back({paths[i], paths[i], formats[i]});
    EXPECT_EQ(rows(*w), expected);
    EXPECT_FALSE(hintShown(*w));
    EXPECT_FALSE(control<QWidget>(*w, "picDrop")->isVisible());
    for (const std::string& path : paths)
        EXPECT_EQ(test::readFile(path), "sound") << "dropped files are left as they are";
}

TEST_P(DropTest, DataThatNamesNoLocalFileQueuesNothing)
{
    const std::string real = file("real.mp3");
    auto w = start();

    std::vector<std::unique_ptr<QMimeData>> payloads;
    payloads.push_back(std::make_unique<QMimeData>());
    payloads.back()->setText(QString::fromStdString(real));
    payloads.push_back(std::make_unique<QMimeData>());
    payloads.back()->setUrls({QUrl("https://brisquel.example/song.mp3")});
    payloads.push_back(std::make_unique<QMimeData>());
    payloads.back()->setUrls({QUrl("file://otherhost" + QString::fromStdString(real))});
    // A NUL inside the name would make the system see "real.mp3" instead.
    payloads.push_back(std::make_unique<QMimeData>());
    payloads.back()->setUrls({QUrl::fromEncoded(QByteArray("file://") + QByteArray::fromStdString(real) + "%00.txt")});

    for (const auto& data : payloads) {
        dropOn(*w, *data);
        EXPECT_TRUE(rows(*w).empty()) << data->urls().value(0).toString().toStdString();
        EXPECT_TRUE(hintShown(*w));
        EXPECT_FALSE(control<QWidget>(*w, "picDrop")->isVisible());
    }
}

TEST_P(DropTest, ADroppedFolderIsSearchedInItsPlaceInTheDrop)
{
    const std::string before = file("before.mp3");
    const std::string inside = file("album/track.wav");
    const std::string deeper = file("album/cd 2/track.flac");
    const std::string after = file("after.ogg");
    fs::create_directories(dir / "empty album");
    auto w = start();

    // An empty folder alone adds nothing and leaves the empty hint as it was.
    dropOn(*w, *filesData({dir / "empty album"}));
    EXPECT_TRUE(rows(*w).empty());
    EXPECT_TRUE(hintShown(*w));
    EXPECT_EQ(hintCaption(*w), "Drag & Drop Files Here");

    dropOn(*w, *filesData({before, dir / "album", dir / "empty album", after}));

    const Row dropped = {before, before, "MP3"};
    const Row droppedAfter = {after, after, "OGG"};
    EXPECT_EQ(rows(*w), (std::vector<Row>{dropped, asFound(inside, "WAV"), asFound(deeper, "FLAC"), droppedAfter}));
    EXPECT_FALSE(hintShown(*w));
    EXPECT_EQ(hintCaption(*w), "Drag & Drop Files Here");
}

INSTANTIATE_TEST_SUITE_P(Targets, DropTest, testing::Values(
    TargetCase{"Overlay", Target::Overlay},
    TargetCase{"List", Target::List},
    TargetCase{"DropZone", Target::DropZone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IntakeWindowTest, ANameTheCodePageCannotCarryIsQueuedThroughACopyFromTheOverlayOnly)
{
    const Windows1252CodePage westernEuropean;
    codePage = &westernEuropean;
    const std::string greek = file("Song \xce\xa9.mp3", "omega"); // "Song Ω.mp3"
    auto w = start();

    // The plain drop queues the name as the toolkit hands it over, narrowed.
    drop(listViewport(*w), *filesData({greek}));
    EXPECT_EQ(rows(*w), (std::vector<Row>{{dir / "Song ?.mp3", dir / "Song ?.mp3", "MP3"}}));
    EXPECT_FALSE(fs::exists(scratch));

    overlayDrop(*w, *filesData({greek}));
    const std::vector<Row> shown = rows(*w);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], (Row{scratch + "/Song  .tmp", dir / "Song  .mp3", "MP3"}));
    EXPECT_EQ(test::readFile(shown[1].path), "omega");
    EXPECT_EQ(test::readFile(greek), "omega");
}

TEST_F(IntakeWindowTest, AClickOnTheDropZonePicksOneFile)
{
    const std::string tune = file("tune.ogg");
    auto w = start();
    w->showDropZone();
    auto* zone = control<QWidget>(*w, "picDrag");

    desktop.fileAnswers.push_back(std::nullopt);
    QTest::mouseClick(zone, Qt::LeftButton);
    EXPECT_TRUE(rows(*w).empty());
    EXPECT_TRUE(hintShown(*w));

    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(tune)});
    QTest::mouseClick(zone, Qt::LeftButton);
    EXPECT_EQ(rows(*w), (std::vector<Row>{{tune, tune, "OGG"}}));
    EXPECT_FALSE(hintShown(*w));

    ASSERT_EQ(desktop.fileRequests.size(), 2u);
    EXPECT_EQ(desktop.fileRequests[1].title, "Open Files");
    EXPECT_EQ(desktop.fileRequests[1].filters.size(), 1);
    EXPECT_EQ(desktop.fileRequests[1].folder.toStdString(), fakeProgram);
    EXPECT_EQ(zone->toolTip(), "Drag media files onto this DropZone");
}

TEST_F(IntakeWindowTest, TheOverlayStaysUntilADropAClickOnItOrTheBackground)
{
    auto w = start();
    auto* overlay = control<QWidget>(*w, "picDrop");
    auto data = filesData({dir / "song.mp3"});

    dragEnter(listViewport(*w), *data);
    ASSERT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), control<QWidget>(*w, "LV")->geometry());
    EXPECT_EQ(dragEnter(overlay, *data), Qt::CopyAction);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(overlay, &leave);
    EXPECT_TRUE(overlay->isVisible()) << "a drag that leaves without a drop keeps the overlay";

    click(*w, layout::List.center());
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_TRUE(rows(*w).empty());

    dragEnter(listViewport(*w), *data);
    ASSERT_TRUE(overlay->isVisible());
    moveTo(*w, QPoint(690, 440)); // bare background
    EXPECT_FALSE(overlay->isVisible());
}

TEST_F(IntakeWindowTest, WhatDoesNotFitInTheQueueIsLeftOutWithOneMessage)
{
    for (int i = 0; i < 5; ++i)
        file("five/" + std::to_string(i) + ".mp3");
    const std::string single = file("single.mp3");
    auto w = start();
    w->queue().append(std::vector<QueueEntry>(ConversionQueue::MaxEntries - 2, QueueEntry{"/q.mp3", "/q.mp3", "MP3"}));

    addFolder(*w, dir / "five");
    EXPECT_EQ(w->queueCount(), ConversionQueue::MaxEntries);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Add");
    EXPECT_EQ(desktop.messages[0].text, "The list holds at most 32767 files: 3 files were left out.");

    overlayDrop(*w, *filesData({single, single}));
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[1].text, "The list holds at most 32767 files: 2 files were left out.");

    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(single)});
    click(*w, layout::Toolbar[0].center());
    ASSERT_EQ(desktop.messages.size(), 3u);
    EXPECT_EQ(desktop.messages[2].text, "The list holds at most 32767 files: 1 file was left out.");
    EXPECT_EQ(w->queueCount(), ConversionQueue::MaxEntries);
    EXPECT_EQ(static_cast<int>(rows(*w).size()), ConversionQueue::MaxEntries);
}

} // namespace
} // namespace brisquel
