// The window for every user: a background drag under a window manager, the keys for every
// command, what assistive technology is told, the dimmed toolbar, the help page and where
// the pickers open.
//
// Keys go through the real path: the window is made active, as a user's window is, and the
// key is sent to the widget with the focus, so the shortcut map decides what runs.
#include "main_window_fixture.h"

#include "engine/progress.h"
#include "settings/frm_options.h"
#include "ui/background_drag.h"
#include "ui/help_page.h"
#include "ui/hot_image.h"
#include "ui/main_window_layout.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <set>

namespace brisquel {
namespace {

namespace fs = std::filesystem;
using test::MainWindowFixture;

class KeyboardWindowTest : public testing::Test, public MainWindowFixture
{
protected:
    std::unique_ptr<frmMain> startActive()
    {
        auto w = start();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    static void press(QKeyCombination key)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }

    static HotImage* toolbar(frmMain& w, int i)
    {
        return control<HotImage>(w, QStringLiteral("imgToolbar%1").arg(i).toLatin1());
    }

    // Two rows, the second selected as a user's click selects it.
    void fillAndSelectSecond(frmMain& w)
    {
        drop(listViewport(w), *filesData({"/queue/a.mp3", "/queue/b.mp3"}));
        auto* list = control<QTreeWidget>(w, "LV");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
        list->setFocus();
    }
};

// One window of each kind that drags by its background, shown, with a point of its bare
// background.
struct DragCase
{
    const char* name;
    bool dialog;
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class BackgroundDragTest : public KeyboardWindowTest, public testing::WithParamInterface<DragCase> {};

TEST_P(BackgroundDragTest, AsksTheDesktopForOneMovePerPress)
{
    std::unique_ptr<frmMain> main;
    std::unique_ptr<frmOptions> options;
    QWidget* window = nullptr;
    QPoint bare;
    if (GetParam().dialog) {
        options = std::make_unique<frmOptions>(desktop, settings);
        options->load();
        options->show();
        window = options.get();
        bare = QPoint(210, 108);
    } else {
        main = start();
        window = main.get();
        bare = QPoint(690, 440);
    }
    // The desktop's move runs outside the program; here it only counts the requests.
    int requests = 0;
    auto* drag = window->findChild<BackgroundDrag*>();
    ASSERT_NE(drag, nullptr);
    drag->setSystemMove([&](QWindow&) {
        ++requests;
        return true;
    });
    auto* image = window->findChild<HotImage*>();
    const QPoint before = window->pos();

    for (int press = 1; press <= 2; ++press) {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, bare);
        image->light();
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(window->windowHandle(), bare + QPoint(step * 7, step * 5));
        EXPECT_EQ(requests, press) << "a move of its own is asked for once per press";
        EXPECT_TRUE(image->isLit()) << "the rest comes when the drag ends";
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, bare + QPoint(28, 20));
        EXPECT_FALSE(image->isLit());
        EXPECT_EQ(window->pos(), before) << "the desktop moves the window, not the program";
    }
    QTest::mouseMove(window->windowHandle(), bare + QPoint(3, 3));
    EXPECT_EQ(requests, 2) << "no move without a button";
}

INSTANTIATE_TEST_SUITE_P(Windows, BackgroundDragTest,
                         testing::Values(DragCase{"MainWindow", false}, DragCase{"OptionsDialog", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct KeyCase
{
    const char* name;
    QKeyCombination key;
    const char* image;   // the image the key stands for
    const char* toolTip; // that image's tooltip, naming the key; null when it does not
    bool rows = true;    // a start must find the list empty, or a batch would begin
};

void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.name;
}

class ShortcutTest : public KeyboardWindowTest, public testing::WithParamInterface<KeyCase>
{
protected:
    // What each key's command leaves behind, counted so that "nothing happened" is visible.
    struct Effects
    {
        std::size_t files, folders, urls, messages, rows;
        int unloads, dialogs;
        bool popup;
        bool operator==(const Effects&) const = default;
    };

    Effects effects(frmMain& w, const QSignalSpy& unloaded) const
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu)
            menu->close();
        return {desktop.fileRequests.size(),
                desktop.folderStarts.size(),
                desktop.openedUrls.size(),
                desktop.messages.size(),
                static_cast<std::size_t>(w.queueCount()),
                static_cast<int>(unloaded.size()),
                m_dialogs,
                menu != nullptr};
    }

    // The options dialog runs a modal loop of its own: closed from inside it, and counted.
    void closeDialogs()
    {
        m_probe = std::make_unique<test::LoopProbe>([this] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<frmOptions*>(top); dialog && dialog->isVisible()) {
                    ++m_dialogs;
                    dialog->reject();
                }
        });
    }

    int m_dialogs = 0;
    std::unique_ptr<test::LoopProbe> m_probe;
};

TEST_P(ShortcutTest, DoesWhatItsImageDoesButNothingWhileTheImageIsDisabled)
{
    const KeyCase& c = GetParam();
    auto w = startActive();
    closeDialogs();
    if (c.rows)
        fillAndSelectSecond(*w);
    QSignalSpy unloaded(w.get(), &frmMain::unloaded);
    auto* image = control<HotImage>(*w, c.image);
    if (c.toolTip) {
        EXPECT_EQ(image->toolTip(), c.toolTip);
    }

    const Effects before = effects(*w, unloaded);
    w->setToolbarEnabled(false);
    control<QWidget>(*w, "imgConvert")->setEnabled(false);
    press(c.key);
    EXPECT_EQ(effects(*w, unloaded), before) << "a key obeys its image";

    w->setToolbarEnabled(true);
    control<QWidget>(*w, "imgConvert")->setEnabled(true);
    press(c.key);
    EXPECT_NE(effects(*w, unloaded), before);
}

// Delete, Menu and Shift+F10 act in the list, where the focus is put first.
INSTANTIATE_TEST_SUITE_P(Keys, ShortcutTest, testing::Values(
    KeyCase{"AddFile", Qt::CTRL | Qt::Key_O, "imgToolbar0", "Add (Ctrl+O)"},
    KeyCase{"AddFolder", Qt::CTRL | Qt::SHIFT | Qt::Key_O, "imgToolbar6", "Add Folder (Ctrl+Shift+O)"},
    KeyCase{"RemoveSelected", QKeyCombination(Qt::Key_Delete), "imgToolbar1", nullptr},
    KeyCase{"RemoveMenu", QKeyCombination(Qt::Key_Menu), "imgToolbar1", "Remove (Menu, Shift+F10)"},
    KeyCase{"RemoveMenuShiftF10", Qt::SHIFT | Qt::Key_F10, "imgToolbar1", nullptr},
    KeyCase{"Settings", Qt::CTRL | Qt::Key_Comma, "imgToolbar2", "Setting (Ctrl+,)"},
    KeyCase{"Help", QKeyCombination(Qt::Key_F1), "imgToolbar3", "Help (F1)"},
    KeyCase{"Exit", Qt::CTRL | Qt::Key_Q, "imgToolbar4", "Exit (Ctrl+Q)"},
    KeyCase{"Start", Qt::CTRL | Qt::Key_Return, "imgConvert", "START NOW! (Ctrl+Return)", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardWindowTest, EachKeyReachesItsOwnCommand)
{
    auto w = startActive();
    fillAndSelectSecond(*w);
    auto* list = control<QTreeWidget>(*w, "LV");

    press(Qt::Key_Menu);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "menuRemove");
    EXPECT_EQ(menu->pos(), list->viewport()->mapToGlobal(list->visualItemRect(list->topLevelItem(1)).bottomLeft()))
        << "the popup opens under the selected row";
    menu->close();

    press(Qt::Key_Delete);
    EXPECT_EQ(rows(*w), (std::vector<Row>{{"/queue/a.mp3", "/queue/a.mp3", "MP3"}})) << "the selected row went";

    press(Qt::Key_F1);
    EXPECT_EQ(desktop.openedUrls, std::vector<QUrl>{helpPageUrl(fakeProgram)});

    control<QComboBox>(*w, "cmbBR")->setCurrentIndex(2);
    QSignalSpy unloaded(w.get(), &frmMain::unloaded);
    press(Qt::CTRL | Qt::Key_Q);
    EXPECT_EQ(unloaded.size(), 1);
    EXPECT_EQ(test::readFile(settings + "/setup.ini").substr(0, 5), "\"2\"\r\n") << "Exit by key saves as the image does";
}

TEST_F(KeyboardWindowTest, StartByKeyOnAnEmptyListAsksForAFile)
{
    auto w = startActive();
    press(Qt::CTRL | Qt::Key_Return);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Please add a file");
}

TEST_F(KeyboardWindowTest, TheListHasTheFocusAtStartUpWithAVisibleFrame)
{
    auto w = startActive();
    auto* list = control<QWidget>(*w, "LV");
    auto* ring = control<QWidget>(*w, "LVFocusRing");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_TRUE(ring->isVisible());
    EXPECT_TRUE(ring->geometry().contains(layout::ListFrame)) << "drawn around the list's frame";
    EXPECT_FALSE(ring->geometry().intersects(layout::Path)) << "and nowhere near the panel";

    press(QKeyCombination(Qt::Key_Tab));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtSplit");
    EXPECT_FALSE(ring->isVisible());
    press(Qt::SHIFT | Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_TRUE(ring->isVisible());
}

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr) << object->objectName().toStdString();
    return found;
}

TEST_F(KeyboardWindowTest, AssistiveTechnologyHearsButtonsNamesAndTheProgress)
{
    auto w = start();
    const std::vector<std::pair<const char*, const char*>> buttons{
        {"imgToolbar0", "Add files"}, {"imgToolbar6", "Add folder"}, {"imgToolbar1", "Remove"},
        {"imgToolbar2", "Settings"},  {"imgToolbar3", "Help"},       {"imgToolbar4", "Exit"},
        {"imgConvert", "Start conversion"}};

    // Found from the window down, as a screen reader walks it.
    std::set<QString> reached;
    QAccessibleInterface* top = accessible(w.get());
    for (int i = 0; i < top->childCount(); ++i)
        if (QAccessibleInterface* child = top->child(i);
            child->role() == QAccessible::PushButton && !child->state().invisible)
            reached.insert(child->text(QAccessible::Name));
    for (const auto& [object, name] : buttons) {
        QAccessibleInterface* button = accessible(control<QWidget>(*w, object));
        EXPECT_EQ(button->role(), QAccessible::PushButton) << object;
        EXPECT_EQ(button->text(QAccessible::Name), name);
        EXPECT_FALSE(button->state().disabled) << object;
        EXPECT_TRUE(reached.count(QString::fromLatin1(name))) << name;
    }
    EXPECT_FALSE(reached.count(QString())) << "no button without a name";

    w->setToolbarEnabled(false);
    control<QWidget>(*w, "imgConvert")->setEnabled(false);
    for (const auto& [object, name] : buttons)
        EXPECT_TRUE(accessible(control<QWidget>(*w, object))->state().disabled) << name;
    w->setToolbarEnabled(true);

    // Pressed by assistive technology, a button does what its click does.
    QAccessibleInterface* help = accessible(control<QWidget>(*w, "imgToolbar3"));
    ASSERT_NE(help->actionInterface(), nullptr);
    help->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(desktop.openedUrls, std::vector<QUrl>{helpPageUrl(fakeProgram)});

    const std::vector<std::pair<const char*, const char*>> fields{
        {"LV", "File list"},         {"txtSplit", "Split every"},   {"cmbUnit", "Split unit"},
        {"cmbOF", "Output format"},  {"cmbBR", "Bitrate (kbps)"},   {"cmbR", "Rate (Hz)"},
        {"cmbChannel", "Audio channel"}, {"txtPath", "Output folder"}, {"cmdBrowse", "Browse for the output folder"}};
    for (const auto& [object, name] : fields)
        EXPECT_EQ(accessible(control<QWidget>(*w, object))->text(QAccessible::Name), name) << object;

    QAccessibleInterface* web = accessible(control<QWidget>(*w, "lblWeb"));
    EXPECT_EQ(web->role(), QAccessible::Link);
    EXPECT_EQ(web->text(QAccessible::Name), "Brisquel - Help");

    QAccessibleInterface* progress = accessible(control<QWidget>(*w, "lblPB"));
    EXPECT_EQ(progress->role(), QAccessible::ProgressBar);
    EXPECT_EQ(progress->text(QAccessible::Name), "Progress");
    ASSERT_NE(progress->valueInterface(), nullptr);
    EXPECT_EQ(progress->valueInterface()->currentValue().toInt(), 0);
    w->setProgressWidth(FullBarWidth * 2 / 5);
    w->setProgressCaption("40.0%");
    EXPECT_EQ(progress->valueInterface()->currentValue().toInt(), 40);
    EXPECT_EQ(progress->valueInterface()->maximumValue().toInt(), 100);
    EXPECT_EQ(progress->text(QAccessible::Description), "40.0%");
    w->setProgressCaption("Preparing Files...");
    EXPECT_EQ(progress->text(QAccessible::Description), "Preparing Files...");
}

// The darkest pixel the window shows inside `rect`: ink is dark, a dimmed button is not.
int darkest(frmMain& w, const QRect& rect)
{
    const QImage shot = w.grab(rect).toImage();
    int least = 255;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            least = std::min(least, qGray(shot.pixel(x, y)));
    return least;
}

TEST_F(KeyboardWindowTest, ADisabledToolbarIsDrawnDimmedAndComesBackWhole)
{
    auto w = start();
    std::vector<int> inkBefore;
    for (int i : {0, 6, 1, 2, 3, 4})
        inkBefore.push_back(darkest(*w, layout::Toolbar[i]));
    toolbar(*w, 2)->light();

    w->setToolbarEnabled(false);
    for (std::size_t n = 0; int i : {0, 6, 1, 2, 3, 4}) {
        EXPECT_FALSE(toolbar(*w, i)->pixmap().isNull()) << i;
        EXPECT_GT(darkest(*w, layout::Toolbar[i]), inkBefore[n++] + 60) << "button " << i << " looks disabled";
    }
    toolbar(*w, 2)->clearPicture(); // as the background sequence does during a batch
    EXPECT_FALSE(toolbar(*w, 2)->pixmap().isNull()) << "it stays dimmed";

    w->setToolbarEnabled(true);
    for (std::size_t n = 0; int i : {0, 6, 1, 2, 3, 4}) {
        EXPECT_TRUE(toolbar(*w, i)->pixmap().isNull()) << i;
        EXPECT_EQ(darkest(*w, layout::Toolbar[i]), inkBefore[n++]) << i;
    }
}

TEST_F(KeyboardWindowTest, TheHelpPageIsBesideTheProgramAndNeedsNothingFromTheNetwork)
{
    const QString page = helpPageUrl(test::binFolder()).toLocalFile();
    const std::string html = test::readFile(page.toStdString());
    ASSERT_FALSE(html.empty()) << "the build puts brisquel.html beside the executable";
    for (const char* external : {"http:", "https:", "src=\"//", "href=\"//", "@import", "url("})
        EXPECT_EQ(html.find(external), std::string::npos) << external;
    EXPECT_FALSE(test::readFile(test::binFolder() + "/brisquel-help.css").empty()) << "its style sheet beside it";
    for (const char* key : {"Ctrl+O", "Ctrl+Shift+O", "Delete", "Shift+F10", "Ctrl+,", "F1", "Ctrl+Q", "Ctrl+Return",
                            "Esc", "last-batch.txt", "setup.ini", "brisquel/tmp"})
        EXPECT_NE(html.find(key), std::string::npos) << key;
}

TEST_F(KeyboardWindowTest, TheWebLabelsTooltipIsThePagesAddressOnAReadableBackground)
{
    auto w = start();
    auto* label = control<QLabel>(*w, "lblWeb");
    EXPECT_TRUE(label->text().startsWith("Brisquel - "));
    EXPECT_EQ(label->toolTip(), helpPageUrl(fakeProgram).toString());

    QHelpEvent hover(QEvent::ToolTip, label->rect().center(), label->mapToGlobal(label->rect().center()));
    QApplication::sendEvent(label, &hover);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            tip = top;
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(static_cast<QLabel*>(tip)->text(), label->toolTip());
    const QImage shot = tip->grab().toImage();
    EXPECT_EQ(qAlpha(shot.pixel(shot.width() - 2, shot.height() - 2)), 255) << "the tooltip has a background";
    QToolTip::hideText();
}

// Each picker with what opens it, where it opened, how it is answered, and its usual place.
struct PickerCase
{
    const char* name;
    void (*open)(frmMain& w);
    QString (*openedIn)(const test::ScriptedDesktop& desktop);
    void (*answer)(test::ScriptedDesktop& desktop, const std::string& folder);
    bool outputChooser;
};

void PrintTo(const PickerCase& c, std::ostream* out)
{
    *out << c.name;
}

QString lastFileDialog(const test::ScriptedDesktop& d) { return d.fileRequests.back().folder; }
QString lastFolderBrowser(const test::ScriptedDesktop& d) { return d.folderStarts.back(); }

class PickerStartTest : public KeyboardWindowTest, public testing::WithParamInterface<PickerCase>
{
protected:
    // The usual place: the music folder for the intakes, the shown output folder's parent
    // for the chooser.
    QString usual(frmMain& w) const
    {
        if (!GetParam().outputChooser)
            return QString::fromStdString(music);
        return QFileInfo(control<QLineEdit>(w, "txtPath")->text()).absolutePath();
    }
};

TEST_P(PickerStartTest, OpensWhereTheUserLastWasElseInItsUsualPlaceElseAtHome)
{
    const PickerCase& c = GetParam();
    fs::create_directories(music);
    fs::create_directories(dir / "elsewhere/x");
    test::writeFile(dir / "elsewhere/x/song.mp3", "");
    auto w = start();
    // Where the picker opens now; each call opens it once (and a chooser's cancel changes
    // the output folder, so the usual place is taken before).
    auto opensIn = [&](const std::string& expected, const char* why) {
        c.open(*w);
        EXPECT_EQ(c.openedIn(desktop).toStdString(), expected) << why;
    };

    opensIn(usual(*w).toStdString(), "nothing picked yet");
    c.answer(desktop, dir / "elsewhere/x");
    opensIn(usual(*w).toStdString(), "nothing picked yet");
    opensIn(dir / "elsewhere/x", "where the last pick was");
    opensIn(dir / "elsewhere/x", "a cancel keeps it");

    fs::remove_all(dir / "elsewhere");
    opensIn(usual(*w).toStdString(), "a folder that is gone is passed over");

    if (c.outputChooser)
        control<QLineEdit>(*w, "txtPath")->setText("relative/output");
    else
        fs::remove_all(music);
    opensIn(home, "without the usual place: home, never the current folder");
}

INSTANTIATE_TEST_SUITE_P(Pickers, PickerStartTest, testing::Values(
    PickerCase{"AddFile", [](frmMain& w) { MainWindowFixture::click(w, layout::Toolbar[0].center()); },
               lastFileDialog,
               [](test::ScriptedDesktop& d, const std::string& folder) {
                   d.fileAnswers.push_back(QStringList{QString::fromStdString(folder + "/song.mp3")});
               },
               false},
    PickerCase{"AddFolder", [](frmMain& w) { MainWindowFixture::click(w, layout::Toolbar[6].center()); },
               lastFolderBrowser,
               [](test::ScriptedDesktop& d, const std::string& folder) {
                   d.folderAnswers.push_back(QString::fromStdString(folder));
               },
               false},
    PickerCase{"OutputFolder", [](frmMain& w) { MainWindowFixture::click(w, layout::Browse.center()); },
               lastFolderBrowser,
               [](test::ScriptedDesktop& d, const std::string& folder) {
                   d.folderAnswers.push_back(QString::fromStdString(folder));
               },
               true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brisquel
