// The main window as a user meets it: start-up, settings kept by Exit only, hover feedback,
// the folder choice, single instance and the routing of the toolbar.
#include "main_window_fixture.h"

#include "ui/brisquel_app.h"
#include "ui/hot_image.h"
#include "ui/main_window_layout.h"
#include "ui/help_page.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace brisquel {
namespace {

namespace fs = std::filesystem;
using test::MainWindowFixture;

class MainWindowTest : public testing::Test, public MainWindowFixture
{
protected:
    struct Panel
    {
        std::string format, bitrate, rate, channel, split, unit, folder;
        bool operator==(const Panel&) const = default;
    };

    static Panel panelOf(frmMain& w)
    {
        auto list = [&](const char* name) { return control<QComboBox>(w, name)->currentText().toStdString(); };
        auto text = [&](const char* name) { return control<QLineEdit>(w, name)->text().toStdString(); };
        return {list("cmbOF"), list("cmbBR"), list("cmbR"), list("cmbChannel"), text("txtSplit"), list("cmbUnit"),
                text("txtPath")};
    }

    static QPoint centreOf(const QRect& rect) { return rect.center(); }
    std::string setupFile() const { return settings + "/setup.ini"; }
};

TEST_F(MainWindowTest, FreshStartShowsDefaultsAndWipesTheScratchFolder)
{
    fs::create_directories(scratch + "/left/over");
    test::writeFile(scratch + "/left/over/old.tmp", "x");
    fs::permissions(scratch + "/left/over/old.tmp", fs::perms::owner_read);

    auto w = start();
    EXPECT_EQ(panelOf(*w), (Panel{"MP3", "128", "44100", "Stereo", "30", "Seconds", output}));
    EXPECT_EQ(w->windowTitle(), "Brisquel - Ver 1.0.0");
    EXPECT_EQ(control<QLabel>(*w, "lblPB")->text(), "0%");
    EXPECT_EQ(control<QLabel>(*w, "lblWeb")->text(), "Brisquel - Help");
    EXPECT_TRUE(control<QWidget>(*w, "picText")->isVisible());
    EXPECT_FALSE(control<QWidget>(*w, "picDrop")->isVisible());
    EXPECT_EQ(control<QWidget>(*w, "picDrop")->geometry(), control<QWidget>(*w, "LV")->geometry());
    EXPECT_EQ(w->size(), layout::Client);
    EXPECT_FALSE(control<QTimer>(*w, "Timer3")->isActive());
    EXPECT_TRUE(w->mask().isEmpty()) << "the skin must not let the desktop through";
    EXPECT_FALSE(fs::exists(scratch));
}

TEST_F(MainWindowTest, ExitKeepsThePanelAndTheCloseBoxDoesNot)
{
    {
        auto w = start();
        control<QComboBox>(*w, "cmbBR")->setCurrentIndex(3);
        w->close();
    }
    EXPECT_FALSE(fs::exists(setupFile()));

    {
        auto w = start();
        EXPECT_EQ(panelOf(*w).bitrate, "128");
        control<QComboBox>(*w, "cmbBR")->setCurrentIndex(3);
        control<QComboBox>(*w, "cmbR")->setCurrentIndex(6);
        control<QComboBox>(*w, "cmbChannel")->setCurrentIndex(0);
        control<QComboBox>(*w, "cmbOF")->setCurrentIndex(4);
        control<QLineEdit>(*w, "txtPath")->setText("/music/out, with comma");
        control<QLineEdit>(*w, "txtSplit")->setText("45");
        control<QComboBox>(*w, "cmbUnit")->setCurrentIndex(1);
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        click(*w, centreOf(layout::Toolbar[4]));
        EXPECT_EQ(unloaded.size(), 1);
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(test::readFile(setupFile()), "\"3\"\r\n\"6\"\r\n\"0\"\r\n\"/music/out, with comma\"\r\n\"4\"\r\n");

    {
        auto w = start();
        // The split length is not kept; the rest is, and position 6 reads 12000 Hz.
        EXPECT_EQ(panelOf(*w), (Panel{"FLAC", "64", "12000", "Mono", "30", "Seconds", "/music/out, with comma"}));
        control<QComboBox>(*w, "cmbBR")->setCurrentIndex(0);
        w->close();
    }
    auto w = start();
    EXPECT_EQ(panelOf(*w).bitrate, "64");
}

TEST_F(MainWindowTest, TheTabOrderRunsThroughThePanel)
{
    auto w = start();
    const char* order[] = {"cmbUnit", "cmbOF", "cmbBR", "cmbR", "cmbChannel", "txtPath", "cmdBrowse", "LV", "txtSplit"};
    auto nextStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while ((next->focusPolicy() & Qt::TabFocus) == 0 || next->parentWidget() != from->parentWidget())
            next = next->nextInFocusChain();
        return next;
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextStop(control<QWidget>(*w, order[i]))->objectName(), order[i + 1]) << order[i];
    EXPECT_EQ(control<QWidget>(*w, "txtSplit")->toolTip(), "Split Time Unit");
    EXPECT_EQ(control<QWidget>(*w, "cmbChannel")->toolTip(), "MP3 Audio Channel(Stereo or Mono)");
    EXPECT_EQ(control<QWidget>(*w, "txtPath")->toolTip(), "Select a Folder to Output");
}

TEST_F(MainWindowTest, HoverLightsOneToolbarImageAndThePressOrTheBackgroundClearIt)
{
    auto w = start();
    auto toolbar = [&](int i) { return control<HotImage>(*w, QStringLiteral("imgToolbar%1").arg(i).toLatin1()); };
    auto lit = [&] {
        std::vector<int> on;
        for (int i = 0; i < 7; ++i)
            if (toolbar(i)->isLit())
                on.push_back(i);
        return on;
    };
    HotImage* convert = control<HotImage>(*w, "imgConvert");

    moveTo(*w, centreOf(layout::Toolbar[0]));
    moveTo(*w, centreOf(layout::Toolbar[6]));
    EXPECT_EQ(lit(), std::vector<int>{6});

    press(*w, centreOf(layout::Toolbar[6]), Qt::RightButton);
    EXPECT_EQ(lit(), std::vector<int>{});
    moveTo(*w, centreOf(layout::Toolbar[6]) + QPoint(1, 0));
    EXPECT_EQ(lit(), std::vector<int>{6});

    // Leaving onto another control keeps the light.
    moveTo(*w, centreOf(layout::Toolbar[6]) + QPoint(2, 0));
    moveTo(*w, centreOf(layout::List));
    EXPECT_EQ(lit(), std::vector<int>{6});

    moveTo(*w, centreOf(layout::Convert));
    EXPECT_TRUE(convert->isLit());
    press(*w, centreOf(layout::Convert) + QPoint(1, 0), Qt::MiddleButton);
    EXPECT_FALSE(convert->isLit());
    moveTo(*w, centreOf(layout::Convert) + QPoint(2, 0));
    ASSERT_TRUE(convert->isLit());

    QWidget* drop = control<QWidget>(*w, "picDrop");
    drop->show();
    const QPoint pos = w->pos();
    moveTo(*w, QPoint(690, 440)); // bare background, bottom right
    EXPECT_EQ(lit(), std::vector<int>{});
    EXPECT_FALSE(convert->isLit());
    EXPECT_FALSE(drop->isVisible());
    EXPECT_EQ(w->pos(), pos) << "a move without a button must not drag the window";
}

TEST_F(MainWindowTest, ADragOnTheBackgroundMovesTheWindowAndClearsTheLightsWhenItEnds)
{
    auto w = start();
    const QPoint from(690, 440);
    const QPoint before = w->pos();
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, from);
    // A light that is on when the drag starts stays on until it ends.
    control<HotImage>(*w, "imgToolbar2")->light();
    QTest::mouseMove(w->windowHandle(), from + QPoint(30, 20));
    EXPECT_TRUE(control<HotImage>(*w, "imgToolbar2")->isLit());
    EXPECT_EQ(w->pos(), before + QPoint(30, 20));
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, from + QPoint(30, 20));
    EXPECT_FALSE(control<HotImage>(*w, "imgToolbar2")->isLit());
}

struct FolderChoiceCase
{
    const char* name;
    std::optional<std::string> picked; // relative to the temporary folder; nothing: cancel
    bool defaultExists;
    bool expectDefault;
    bool expectMessage;
};

void PrintTo(const FolderChoiceCase& c, std::ostream* os) { *os << c.name; }

class FolderChoiceTest : public MainWindowTest, public testing::WithParamInterface<FolderChoiceCase> {};

TEST_P(FolderChoiceTest, ShowsThePickedFolderOrTheDefaultWithItsMessage)
{
    const FolderChoiceCase& c = GetParam();
    fs::create_directories(dir / "music");
    test::writeFile(dir / "a file", "");
    auto w = start();
    if (c.defaultExists)
        fs::create_directories(output);
    control<QLineEdit>(*w, "txtPath")->setText("/elsewhere");
    desktop.folderAnswers.push_back(c.picked ? std::optional<QString>(QString::fromStdString(dir / *c.picked))
                                             : std::nullopt);

    click(*w, centreOf(layout::Browse));

    const std::string shown = control<QLineEdit>(*w, "txtPath")->text().toStdString();
    EXPECT_EQ(shown, c.expectDefault ? output : dir / *c.picked);
    ASSERT_EQ(desktop.messages.size(), c.expectMessage ? 1u : 0u);
    if (c.expectMessage) {
        EXPECT_EQ(desktop.messages[0].title, "Path");
        EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::None);
        EXPECT_EQ(desktop.messages[0].text.toStdString(),
                  "The path has unknown characters.\r\nChanged to the default path " + output + ".");
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, FolderChoiceTest, testing::Values(
    FolderChoiceCase{"Folder", "music", false, false, false},
    FolderChoiceCase{"CancelWithDefault", std::nullopt, true, true, false},
    FolderChoiceCase{"CancelWithoutDefault", std::nullopt, false, true, true},
    FolderChoiceCase{"UnknownCharacters", "mus\xef\xbf\xbdic", true, true, true},
    FolderChoiceCase{"NotAFolder", "a file", true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ASecondInstanceEndsWithoutAWindow)
{
    const QString lock = QString::fromStdString(dir / "brisquel.lock");
    BrisquelApp first(context({}), lock);
    first.onUnloaded = [](bool) {};
    ASSERT_TRUE(first.start());
    ASSERT_NE(first.window(), nullptr);

    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    BrisquelApp second(context({}), lock);
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.window(), nullptr);
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
    first.window()->close();
}

TEST_F(MainWindowTest, StartOnAnEmptyQueueAsksForAFileAndLocksNothing)
{
    auto w = start();
    click(*w, centreOf(layout::Convert));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Please add a file");
    EXPECT_EQ(desktop.messages[0].title, "Add");
    EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::Warning);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(control<QWidget>(*w, QStringLiteral("imgToolbar%1").arg(i).toLatin1())->isEnabled());
    EXPECT_TRUE(control<QWidget>(*w, "imgConvert")->isEnabled());
    EXPECT_FALSE(control<QTimer>(*w, "Timer1")->isActive());
}

TEST_F(MainWindowTest, AddFileQueuesThePickedFileAndACancelChangesNothing)
{
    test::writeFile(dir / "song.mp3", "");
    auto w = start();
    auto* list = control<QTreeWidget>(*w, "LV");

    desktop.fileAnswers.push_back(std::nullopt);
    click(*w, centreOf(layout::Toolbar[0]));
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(control<QWidget>(*w, "picText")->isVisible());

    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(dir / "song.mp3")});
    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(dir / "song.mp3")});
    click(*w, centreOf(layout::Toolbar[0]));
    click(*w, centreOf(layout::Toolbar[0]) + QPoint(1, 0));

    ASSERT_EQ(desktop.fileRequests.size(), 3u);
    EXPECT_EQ(desktop.fileRequests[0].title, "Open Files");
    EXPECT_EQ(desktop.fileRequests[0].filters.size(), 17);
    EXPECT_EQ(desktop.fileRequests[0].filters.front(), "MP3 Audio (*.mp3)");
    EXPECT_EQ(desktop.fileRequests[0].filterIndex, 0);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0).toStdString(), dir / "song.mp3");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "MP3");
    EXPECT_EQ(w->queuePath(1), dir / "song.mp3");
    EXPECT_FALSE(control<QWidget>(*w, "picText")->isVisible());
}

TEST_F(MainWindowTest, HelpAndTheWebLabelOpenTheHelpPageBesideTheProgram)
{
    auto w = start();
    click(*w, centreOf(layout::Toolbar[3]));
    click(*w, control<QWidget>(*w, "lblWeb")->geometry().center());
    click(*w, control<QWidget>(*w, "lblWeb")->geometry().center() + QPoint(1, 0));
    ASSERT_EQ(desktop.openedUrls.size(), 3u);
    for (const QUrl& url : desktop.openedUrls)
        EXPECT_EQ(url.toString().toStdString(), "file://" + fakeProgram + "/brisquel.html");
    EXPECT_EQ(control<QLabel>(*w, "lblWeb")->toolTip(), desktop.openedUrls[0].toString());
}

} // namespace
} // namespace brisquel
