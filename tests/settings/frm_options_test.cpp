// The options dialog as a user meets it: what it shows for the stored values, the checks
// and the storing of OK, Back and the close box, the keyboard path to the hidden cutter,
// dragging, and the Setting image of the main window that opens it.
//
// The dialog is shown with show() and driven directly (controls set, buttons clicked with
// QTest): exec() would run a modal loop that only a user could end. Its message boxes go to
// the scripted desktop, so they are recorded and never block. The one test that goes
// through the main window, whose Setting image does call exec(), ends that loop from an
// action queued on it.
#include "main_window_fixture.h"
#include "option_values_snapshot.h"
#include "scripted_desktop.h"
#include "test_support.h"

#include "settings/frm_options.h"
#include "settings/option_values.h"
#include "settings/options_file.h"
#include "ui/hot_image.h"
#include "ui/main_window_layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>

namespace brisquel {
namespace {

namespace fs = std::filesystem;

using test::current;
using test::setValues;
using test::Values;

using Texts = std::array<std::string, 6>; // from h, m, s, then length h, m, s
constexpr std::array<const char*, 6> BoxNames{"txtFromH", "txtFromM", "txtFromS", "txtToH", "txtToM", "txtToS"};

class OptionsDialogTest : public testing::Test
{
protected:
    void TearDown() override
    {
        setValues({0, 0, 0, 0});
        SplitByCopy = false;
        ConversionsAtOnce = DefaultConversionsAtOnce;
    }

    std::unique_ptr<frmOptions> open(Values stored)
    {
        setValues(stored);
        auto dialog = std::make_unique<frmOptions>(desktop, dir.path());
        dialog->load();
        dialog->show();
        return dialog;
    }

    template <typename T>
    static T* control(frmOptions& dialog, const char* name)
    {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    static QLineEdit* box(frmOptions& dialog, int index) { return control<QLineEdit>(dialog, BoxNames[index]); }

    static Texts textsOf(frmOptions& dialog)
    {
        Texts texts;
        for (int i = 0; i < 6; ++i)
            texts[i] = box(dialog, i)->text().toStdString();
        return texts;
    }

    static void setTexts(frmOptions& dialog, const Texts& texts)
    {
        for (int i = 0; i < 6; ++i)
            box(dialog, i)->setText(QString::fromStdString(texts[i]));
    }

    static bool boxesEnabled(frmOptions& dialog)
    {
        bool all = true, any = false;
        for (int i = 0; i < 6; ++i) {
            all = all && box(dialog, i)->isEnabled();
            any = any || box(dialog, i)->isEnabled();
        }
        EXPECT_EQ(all, any) << "the six boxes go on and off together";
        return all;
    }

    static void clickOK(frmOptions& dialog) { QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton); }

    std::string optionsFile() const { return dir / "options.ini"; }

    test::TempDir dir;
    test::ScriptedDesktop desktop;
};

TEST_F(OptionsDialogTest, IsAFixedDialogWhoseCutterLiesOutsideTheClientArea)
{
    auto d = open({0, 0, 0, 0});
    EXPECT_EQ(d->windowTitle(), "Options");
    EXPECT_EQ(d->size(), QSize(224, 244));
    EXPECT_EQ(d->minimumSize(), d->maximumSize());
    EXPECT_FALSE(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (const char* name : {"Label1", "cmbSR", "chkCopy", "Label11", "cmbAtOnce", "Command1", "Command2"})
        EXPECT_TRUE(d->rect().contains(control<QWidget>(*d, name)->geometry())) << name;
    for (const char* name : {"chkMC", "txtFromH", "txtToS", "Label2", "Label10", "imgOK", "imgBack"})
        EXPECT_FALSE(d->rect().intersects(control<QWidget>(*d, name)->geometry())) << name;
}

struct LoadCase
{
    const char* name;
    Values stored;
    int listIndex;
    Qt::CheckState cutter;
    bool boxesOn;
    Texts shown;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadTest : public OptionsDialogTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, ShowsTheStoredValuesTheControlsCanTake)
{
    const LoadCase& c = GetParam();
    auto d = open(c.stored);
    EXPECT_EQ(control<QComboBox>(*d, "cmbSR")->currentIndex(), c.listIndex);
    EXPECT_EQ(control<QCheckBox>(*d, "chkMC")->checkState(), c.cutter);
    EXPECT_EQ(boxesEnabled(*d), c.boxesOn);
    EXPECT_EQ(textsOf(*d), c.shown);
}

const Texts Zeros{"0", "0", "0", "0", "0", "0"};

INSTANTIATE_TEST_SUITE_P(
    OptionsDialog, LoadTest,
    testing::Values(
        LoadCase{"CutterOffShowsZerosWhateverIsStored", {1, 0, 3725, 90}, 1, Qt::Unchecked, false, Zeros},
        LoadCase{"CutterOnSplitsTheTimes", {0, 1, 3725, 59}, 0, Qt::Checked, true, {"1", "2", "5", "0", "0", "59"}},
        LoadCase{"ANegativeStartShowsNegativeHours", {0, 1, -300, 86399}, 0, Qt::Checked, true,
                 {"-1", "55", "0", "23", "59", "59"}},
        LoadCase{"NoChoiceStaysNoChoice", {-1, 1, 0, 0}, -1, Qt::Checked, true, Zeros},
        LoadCase{"GreyedCutterKeepsTheBoxesOff", {0, 2, 3725, 0}, 0, Qt::PartiallyChecked, false, Zeros},
        LoadCase{"ValuesTheControlsCannotTakeLeaveThemAsMade", {5, 5, 3725, 0}, -1, Qt::Unchecked, false, Zeros}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase
{
    const char* name;
    Texts typed;
    int offending; // index into BoxNames
    const char* message;
};

void PrintTo(const RejectCase& c, std::ostream* out) { *out << c.name; }

class RejectTest : public OptionsDialogTest, public testing::WithParamInterface<RejectCase> {};

TEST_P(RejectTest, NamesTheFirstBoxOver59AndKeepsEverything)
{
    const RejectCase& c = GetParam();
    test::writeFile(optionsFile(), "0\r\n1\r\n7\r\n8\r\n");
    auto d = open({0, 1, 7, 8});
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    setTexts(*d, c.typed);
    clickOK(*d);

    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::Warning);
    EXPECT_EQ(desktop.messages[0].title, "Min");
    EXPECT_EQ(desktop.messages[0].text, c.message);
    EXPECT_EQ(QApplication::focusWidget(), box(*d, c.offending));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(current(), (Values{0, 1, 7, 8}));
    EXPECT_EQ(test::readFile(optionsFile()), "0\r\n1\r\n7\r\n8\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    OptionsDialog, RejectTest,
    testing::Values(RejectCase{"FractionAbove59Minutes", {"0", "59.5", "0", "0", "0", "0"}, 1, "Minutes must less than 60"},
                    RejectCase{"LengthMinutes", {"0", "0", "0", "0", "60abc", "0"}, 4, "Minutes must less than 60"},
                    RejectCase{"MinutesBeforeSeconds", {"99", "0", "75", "0", "61", "0"}, 4, "Minutes must less than 60"},
                    RejectCase{"StartSeconds", {"0", "59", "60", "0", "0", "99"}, 2, "Seconds must less than 60"},
                    RejectCase{"LengthSeconds", {"0", "0", "0", "0", "0", "59.01"}, 5, "Seconds must less than 60"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoreCase
{
    const char* name;
    Values stored;
    Texts typed;
    Values expected;
};

void PrintTo(const StoreCase& c, std::ostream* out) { *out << c.name; }

class StoreTest : public OptionsDialogTest, public testing::WithParamInterface<StoreCase> {};

TEST_P(StoreTest, OKStoresWhatTheControlsShowAndSavesIt)
{
    const StoreCase& c = GetParam();
    auto d = open(c.stored);
    setTexts(*d, c.typed);
    clickOK(*d);

    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(current(), c.expected);
    const Values& e = c.expected;
    EXPECT_EQ(test::readFile(optionsFile()), std::to_string(e.soundReminder) + "\r\n" + std::to_string(e.musicCutter)
                                                 + "\r\n" + std::to_string(e.cutStart) + "\r\n"
                                                 + std::to_string(e.cutLength) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    OptionsDialog, StoreTest,
    testing::Values(
        StoreCase{"CutterOffStoresZeros", {1, 0, 3725, 90}, Zeros, {1, 0, 0, 0}},
        StoreCase{"NegativeMinutesPass", {0, 1, 0, 10}, {"0", "-5", "0", "0", "0", "10"}, {0, 1, -300, 10}},
        StoreCase{"AllZeroUnticksTheCutter", {0, 1, 60, 60}, Zeros, {0, 0, 0, 0}},
        StoreCase{"ALengthOfZeroKeepsTheCutterOn", {0, 1, 0, 0}, {"0", "1", "0", "0", "0", "0"}, {0, 1, 60, 0}},
        // Each box counts with its fraction; only the sum is rounded, halves to even.
        StoreCase{"FractionsCountBeforeRounding", {0, 1, 0, 0}, {"0", "0.4", "0", "0", "0", "2.5"}, {0, 1, 24, 2}},
        StoreCase{"TextThatIsNoNumberCountsAsZero", {0, 1, 0, 0}, {"x", "1 min", "", "2h", "", "-0"}, {0, 1, 60, 7200}},
        // Too large for the value: it keeps what it had, as reading options.ini does.
        StoreCase{"ATimeBeyondItsRangeKeepsTheOldValue", {0, 1, 5, 6}, {"600000", "0", "0", "1e999", "0", "1"}, {0, 1, 5, 6}},
        StoreCase{"ValuesTheControlsCannotTakeStoreWhatTheyShow", {9, 7, 3725, 0}, Zeros, {-1, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsDialogTest, ANegativeStartIsShownAgainAsNegativeHours)
{
    {
        auto d = open({0, 1, 0, 0});
        setTexts(*d, {"0", "-5", "0", "0", "0", "0"});
        clickOK(*d);
    }
    ASSERT_EQ(CutStartSeconds, -300);
    setValues({0, 0, 0, 0});
    LoadOptionsFile(dir.path());
    auto d = open(current());
    EXPECT_EQ(textsOf(*d), (Texts{"-1", "55", "0", "0", "0", "0"}));
}

TEST_F(OptionsDialogTest, TheKeyboardReachesTheHiddenCutter)
{
    auto d = open({0, 0, 0, 0});
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    ASSERT_EQ(QApplication::focusWidget(), control<QWidget>(*d, "cmbSR"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control<QWidget>(*d, "chkMC"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(control<QCheckBox>(*d, "chkMC")->checkState(), Qt::Checked);
    EXPECT_TRUE(boxesEnabled(*d));

    // On through the boxes, typing over the start minutes, to OK.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box(*d, 1));
    QTest::keyClicks(QApplication::focusWidget(), "2");
    for (int i = 2; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), box(*d, i));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control<QWidget>(*d, "Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(current(), (Values{0, 1, 120, 0}));

    // Ticking again and again never reaches the greyed state.
    auto again = open({0, 2, 0, 0});
    auto* cutter = control<QCheckBox>(*again, "chkMC");
    for (Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
        cutter->click();
        EXPECT_EQ(cutter->checkState(), expected);
        EXPECT_EQ(boxesEnabled(*again), expected == Qt::Checked);
    }
}

TEST_F(OptionsDialogTest, TheCopyBoxShowsItsWholeTextAndStoresLineSix)
{
    SplitByCopy = true;
    auto d = open({0, 0, 0, 0});
    auto* copy = control<QCheckBox>(*d, "chkCopy");
    EXPECT_TRUE(copy->isVisible());
    EXPECT_TRUE(copy->isChecked());
    EXPECT_EQ(copy->accessibleName(), "Split without re-encoding when the file already has the output format");
    EXPECT_EQ(copy->text().replace(u'\n', u' '), copy->accessibleName());
    // Broken into lines that fit beside the box, and no more lines than the box is high.
    const QStringList lines = copy->text().split(u'\n');
    QStyleOptionButton option;
    option.initFrom(copy);
    const int room = copy->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, copy).width();
    for (const QString& line : lines)
        EXPECT_LE(copy->fontMetrics().horizontalAdvance(line), room) << line.toStdString();
    EXPECT_LE(lines.size() * copy->fontMetrics().lineSpacing(), copy->height());

    copy->click();
    clickOK(*d);
    EXPECT_FALSE(SplitByCopy);
    EXPECT_EQ(test::readFile(optionsFile()), "0\r\n0\r\n0\r\n0\r\n") << "off, the file keeps its four lines";

    auto again = open({0, 0, 0, 0});
    EXPECT_FALSE(control<QCheckBox>(*again, "chkCopy")->isChecked());
    control<QCheckBox>(*again, "chkCopy")->click();
    clickOK(*again);
    EXPECT_TRUE(SplitByCopy);
    EXPECT_EQ(test::readFile(optionsFile()), "0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n");

    // Back keeps what was stored.
    auto third = open({0, 0, 0, 0});
    control<QCheckBox>(*third, "chkCopy")->click();
    QTest::mouseClick(control<QPushButton>(*third, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(SplitByCopy);
}

TEST_F(OptionsDialogTest, TheCopyBoxIsReachedByTabAfterBack)
{
    auto d = open({0, 0, 0, 0});
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    control<QWidget>(*d, "Command2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control<QWidget>(*d, "chkCopy"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(control<QCheckBox>(*d, "chkCopy")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*d, "cmbAtOnce"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*d, "cmbSR"));
}

// One choice per logical core; the choice is line 5, and at 1 the file keeps four lines.
TEST_F(OptionsDialogTest, ConversionsAtOnceOffersOnePerCoreAndStoresLineFive)
{
    ConversionsAtOnce = 2;
    auto d = open({0, 0, 0, 0});
    auto* atOnce = control<QComboBox>(*d, "cmbAtOnce");
    ASSERT_EQ(atOnce->count(), LogicalCores());
    EXPECT_EQ(atOnce->itemText(0), "1");
    EXPECT_EQ(atOnce->itemText(atOnce->count() - 1), QString::number(LogicalCores()));
    EXPECT_EQ(atOnce->currentText(), QString::number(std::min(2, LogicalCores())));
    EXPECT_EQ(control<QLabel>(*d, "Label11")->text(), "Conversions at once:");
    EXPECT_EQ(control<QLabel>(*d, "Label11")->buddy(), atOnce);

    atOnce->setCurrentIndex(0);
    clickOK(*d);
    EXPECT_EQ(ConversionsAtOnce, 1);
    EXPECT_EQ(test::readFile(optionsFile()), "0\r\n0\r\n0\r\n0\r\n");

    auto again = open({0, 0, 0, 0});
    control<QComboBox>(*again, "cmbAtOnce")->setCurrentIndex(LogicalCores() - 1);
    clickOK(*again);
    EXPECT_EQ(ConversionsAtOnce, LogicalCores());
    if (LogicalCores() > 1) {
        EXPECT_EQ(test::readFile(optionsFile()),
                  "0\r\n0\r\n0\r\n0\r\n" + std::to_string(LogicalCores()) + "\r\n0\r\n");
    }

    // A stored number beyond the cores (a file from a larger machine) shows as the most.
    ConversionsAtOnce = LogicalCores() + 6;
    auto third = open({0, 0, 0, 0});
    EXPECT_EQ(control<QComboBox>(*third, "cmbAtOnce")->currentIndex(), LogicalCores() - 1);
}

enum class Leave { Back, BackImage, CloseBox };

void PrintTo(Leave leave, std::ostream* out)
{
    *out << (leave == Leave::Back ? "Back" : leave == Leave::BackImage ? "BackImage" : "CloseBox");
}

class LeaveTest : public OptionsDialogTest, public testing::WithParamInterface<Leave> {};

TEST_P(LeaveTest, StoresNothing)
{
    const std::string handEdited = "0\r\n1\r\n7.5\r\n8\r\n";
    test::writeFile(optionsFile(), handEdited);
    auto d = open({0, 1, 8, 8});
    control<QComboBox>(*d, "cmbSR")->setCurrentIndex(1);
    control<QCheckBox>(*d, "chkMC")->setCheckState(Qt::Unchecked);
    setTexts(*d, {"1", "2", "3", "4", "5", "6"});
    switch (GetParam()) {
    case Leave::Back: QTest::mouseClick(control<QPushButton>(*d, "Command2"), Qt::LeftButton); break;
    case Leave::BackImage: QTest::mouseClick(control<HotImage>(*d, "imgBack"), Qt::LeftButton); break;
    case Leave::CloseBox: d->close(); break;
    }
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(current(), (Values{0, 1, 8, 8}));
    EXPECT_EQ(test::readFile(optionsFile()), handEdited);
}

INSTANTIATE_TEST_SUITE_P(OptionsDialog, LeaveTest, testing::Values(Leave::Back, Leave::BackImage, Leave::CloseBox),
                         [](const auto& info) { return testing::PrintToString(info.param); });

TEST_F(OptionsDialogTest, TheOKImageConfirmsLikeTheButton)
{
    auto d = open({1, 1, 0, 0});
    setTexts(*d, {"0", "0", "9", "0", "0", "0"});
    QTest::mouseClick(control<HotImage>(*d, "imgOK"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(current(), (Values{1, 1, 9, 0}));
}

TEST_F(OptionsDialogTest, TheBackgroundDragsTheDialogAndPutsTheImagesToRest)
{
    auto d = open({0, 0, 0, 0});
    auto* okImage = control<HotImage>(*d, "imgOK");
    const QPoint bare(210, 108);
    const QPoint before = d->pos();

    okImage->light();
    QTest::mouseMove(d->windowHandle(), bare);
    EXPECT_FALSE(okImage->isLit());
    EXPECT_EQ(d->pos(), before) << "a move without a button must not drag";

    QTest::mousePress(d->windowHandle(), Qt::LeftButton, {}, bare);
    okImage->light();
    QTest::mouseMove(d->windowHandle(), bare + QPoint(-40, -25));
    EXPECT_EQ(d->pos(), before + QPoint(-40, -25));
    EXPECT_TRUE(okImage->isLit()) << "the rest comes when the drag ends";
    QTest::mouseRelease(d->windowHandle(), Qt::LeftButton, {}, bare + QPoint(-40, -25));
    EXPECT_FALSE(okImage->isLit());
}

class SettingImageTest : public testing::Test, public test::MainWindowFixture
{
protected:
    void TearDown() override { setValues({0, 0, 0, 0}); }
};

TEST_F(SettingImageTest, OpensTheDialogModallyOnTheStoredOptions)
{
    test::writeFile(settings + "/options.ini", "1\r\n1\r\n3725\r\n0\r\n");
    auto w = start();

    // The Setting image runs the dialog's own modal loop; this action, run from inside that
    // loop once the dialog is up, looks at it and confirms it.
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = w->findChild<frmOptions*>();
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        seen = true;
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        EXPECT_EQ(dialog->findChild<QComboBox*>("cmbSR")->currentText(), "OFF");
        EXPECT_EQ(dialog->findChild<QLineEdit*>("txtFromM")->text(), "2");
        dialog->findChild<QComboBox*>("cmbSR")->setCurrentIndex(0);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    poll.start(0);
    click(*w, layout::Toolbar[2].center());
    poll.stop();

    EXPECT_TRUE(seen);
    EXPECT_EQ(w->findChild<frmOptions*>(), nullptr) << "the dialog lives for one opening";
    EXPECT_EQ(test::readFile(settings + "/options.ini"), "0\r\n1\r\n3725\r\n0\r\n");
    EXPECT_TRUE(desktop.messages.empty());
}

} // namespace
} // namespace brisquel
