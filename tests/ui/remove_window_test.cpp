// The Remove popup as a user meets it: opened from the toolbar, its two items, the command
// word that carries "Remove Selected", and Remove All with a drop arriving in its yields.
#include "main_window_fixture.h"

#include "ui/main_window_layout.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <set>

namespace brisquel {
namespace {

using test::MainWindowFixture;
using Row = MainWindowFixture::Row;

class RemoveWindowTest : public testing::Test, public MainWindowFixture
{
protected:
    // Queued by a plain drop, which takes the paths as they come: no file is needed.
    static std::vector<std::string> fill(frmMain& w, int count, const std::string& prefix = "/queue/")
    {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i)
            paths.push_back(prefix + std::to_string(i) + ".mp3");
        if (count > 0)
            drop(listViewport(w), *filesData(paths));
        return paths;
    }

    static std::vector<std::string> queuedPaths(frmMain& w)
    {
        std::vector<std::string> paths;
        for (const Row& row : rows(w)) {
            EXPECT_EQ(row.fileName, row.path);
            paths.push_back(row.path);
        }
        return paths;
    }

    // A user's click on the row.
    static void select(frmMain& w, int row)
    {
        auto* list = control<QTreeWidget>(w, "LV");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
        ASSERT_TRUE(list->topLevelItem(row)->isSelected());
    }

    static QMenu* openMenu(frmMain& w)
    {
        click(w, layout::Toolbar[1].center());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr) << "the Remove popup is open";
        return menu;
    }

    static void choose(frmMain& w, const char* item)
    {
        QMenu* menu = openMenu(w);
        ASSERT_NE(menu, nullptr);
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        const QPoint at = menu->actionGeometry(action).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        EXPECT_FALSE(menu->isVisible());
    }

    static QString commandBox(frmMain& w) { return control<QLineEdit>(w, "txtAction")->text(); }
    static bool hintShown(frmMain& w) { return control<QWidget>(w, "picText")->isVisible(); }
};

TEST_F(RemoveWindowTest, ThePopupOpensAtThePointerWithTwoItemsAndADismissChangesNothing)
{
    auto w = start();
    const std::vector<std::string> paths = fill(*w, 2);
    select(*w, 1);
    auto menuOwners = [] {
        int owners = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            owners += top->objectName() == "frmMenu" ? 1 : 0;
        return owners;
    };
    EXPECT_EQ(menuOwners(), 0) << "the menu owner is made on first use";

    QCursor::setPos(w->mapToGlobal(layout::Toolbar[1].center()));
    QMenu* menu = openMenu(*w);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Remove");
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{"Remove Selected", "Remove All"}));
    EXPECT_EQ(menu->pos(), QCursor::pos());
    EXPECT_EQ(menuOwners(), 1);
    EXPECT_FALSE(menu->parentWidget()->isVisible());

    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(queuedPaths(*w), paths);
    EXPECT_EQ(commandBox(*w), "");

    openMenu(*w);
    EXPECT_EQ(menuOwners(), 1) << "one owner serves every opening";
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

struct RemoveSelectedCase
{
    const char* name;
    int rows;
    int selected; // -1: none
    std::vector<int> left;
    bool hint;
};

void PrintTo(const RemoveSelectedCase& c, std::ostream* os) { *os << c.name; }

class RemoveSelectedTest : public RemoveWindowTest, public testing::WithParamInterface<RemoveSelectedCase> {};

TEST_P(RemoveSelectedTest, RemovesTheSelectedRowWithItsPath)
{
    const RemoveSelectedCase& c = GetParam();
    auto w = start();
    const std::vector<std::string> paths = fill(*w, c.rows);
    if (c.selected >= 0)
        select(*w, c.selected);

    choose(*w, "menuRemoveSelected");

    std::vector<std::string> expected;
    for (int i : c.left)
        expected.push_back(paths[static_cast<std::size_t>(i)]);
    EXPECT_EQ(queuedPaths(*w), expected);
    EXPECT_EQ(hintShown(*w), c.hint);
    EXPECT_EQ(commandBox(*w), "") << "the command box is emptied after the dispatch";
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveSelectedTest, testing::Values(
    RemoveSelectedCase{"MiddleOfThree", 3, 1, {0, 2}, false},
    RemoveSelectedCase{"LastRemaining", 1, 0, {}, true},
    RemoveSelectedCase{"NoSelection", 3, -1, {0, 1, 2}, false},
    RemoveSelectedCase{"EmptyQueue", 0, -1, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RemoveWindowTest, RemoveSelectedTwiceInARowRemovesWhatIsSelectedEachTime)
{
    auto w = start();
    const std::vector<std::string> paths = fill(*w, 4);

    select(*w, 1);
    choose(*w, "menuRemoveSelected");
    EXPECT_EQ(queuedPaths(*w), (std::vector<std::string>{paths[0], paths[2], paths[3]}));
    EXPECT_EQ(commandBox(*w), "");

    // Whatever the list marks as selected after a removal is what goes next.
    auto* list = control<QTreeWidget>(*w, "LV");
    const QList<QTreeWidgetItem*> marked = list->selectedItems();
    choose(*w, "menuRemoveSelected");
    EXPECT_EQ(static_cast<int>(queuedPaths(*w).size()), 3 - static_cast<int>(marked.size()));

    select(*w, list->topLevelItemCount() - 1);
    const std::string last = w->queuePath(list->topLevelItemCount() - 1);
    choose(*w, "menuRemoveSelected");
    const std::vector<std::string> left = queuedPaths(*w);
    EXPECT_EQ(std::count(left.begin(), left.end(), last), 0);
    EXPECT_EQ(std::count(left.begin(), left.end(), paths[0]), 1);
    EXPECT_EQ(commandBox(*w), "");
}

struct RemoveAllCase
{
    const char* name;
    int rows;
};

void PrintTo(const RemoveAllCase& c, std::ostream* out)
{
    *out << c.name;
}

class RemoveAllTest : public RemoveWindowTest, public testing::WithParamInterface<RemoveAllCase> {};

TEST_P(RemoveAllTest, EmptiesTheQueueFromTheFrontYieldingBetweenRows)
{
    auto w = start();
    // Straight into the queue: a drop of a full queue's worth would cost far more than the
    // removal under test.
    std::vector<std::string> paths;
    std::vector<QueueEntry> entries;
    for (int i = 0; i < GetParam().rows; ++i) {
        paths.push_back("/queue/" + std::to_string(i) + ".mp3");
        entries.push_back({paths.back(), paths.back(), "MP3"});
    }
    w->queue().append(entries);
    auto* list = control<QTreeWidget>(*w, "LV");

    // Seen from the window's loop: the list shrinks from the top while the removal runs.
    std::set<int> countsSeen;
    bool shrinksFromTheTop = true;
    test::LoopProbe probe([&] {
        const int n = list->topLevelItemCount();
        countsSeen.insert(n);
        if (n > 0 && n < GetParam().rows)
            shrinksFromTheTop = shrinksFromTheTop && w->queuePath(0) == paths[paths.size() - n];
    });
    choose(*w, "menuRemoveAll");

    EXPECT_TRUE(rows(*w).empty());
    EXPECT_TRUE(hintShown(*w));
    EXPECT_EQ(control<QLabel>(*w, "lblText")->text(), "Drag & Drop Files Here");
    if (GetParam().rows > 2) {
        // The removal yields at once after its first row, then every few tens of
        // milliseconds, however few rows that is.
        EXPECT_TRUE(countsSeen.contains(GetParam().rows - 1)) << "the window's loop ran between rows";
        EXPECT_TRUE(shrinksFromTheTop);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveAllTest, testing::Values(
    // A full queue: a repaint per row once made this take a minute.
    RemoveAllCase{"FullQueue", 32767},
    RemoveAllCase{"EmptyQueue", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RemoveWindowTest, ADropDuringRemoveAllKeepsItsRowsWithTheirPaths)
{
    auto w = start();
    fill(*w, 50);
    auto* list = control<QTreeWidget>(*w, "LV");

    // The drop lands in the removal's first yield, which comes once it has taken a row.
    bool dropped = false;
    std::vector<std::string> late;
    test::LoopProbe probe([&] {
        if (!dropped && list->topLevelItemCount() > 0 && list->topLevelItemCount() < 50) {
            dropped = true;
            late = fill(*w, 3, "/late/");
        }
    });
    choose(*w, "menuRemoveAll");

    ASSERT_TRUE(dropped);
    EXPECT_EQ(queuedPaths(*w), late);
    EXPECT_FALSE(hintShown(*w)) << "the hint follows the queue, which holds the drop";
}

} // namespace
} // namespace brisquel
