// The pickers against the scripted desktop: what each hands to the dialog and what it makes
// of the answer.
#include "platform/qt_file_filters.h"
#include "scripted_desktop.h"
#include "settings/common_dlgs_w.h"
#include "settings/open_file_dialog.h"
#include "settings/pick_folder.h"
#include "test_support.h"

#include <QGuiApplication>
#include <QPalette>

#include <filesystem>
#include <gtest/gtest.h>

namespace brisquel {
namespace {

struct FilterCase
{
    const char* filter;
    QStringList expected;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << '"' << c.filter << '"'; }

class FilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTest, BecomesQtFilterList)
{
    EXPECT_EQ(qtFileFilters(QString::fromLatin1(GetParam().filter)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Filters, FilterTest, testing::Values(
    FilterCase{"All files (*.*)|*.*", {"All files (*)"}},
    FilterCase{"MP3 Audio(*.mp3)|*.mp3|WAVE Files(*.wav)|*.wav", {"MP3 Audio (*.mp3)", "WAVE Files (*.wav)"}},
    FilterCase{"Sound|*.mp3;*.wav", {"Sound (*.mp3 *.wav)"}},
    FilterCase{"*.*|*.*", {"*.* (*)"}},
    FilterCase{"", {}}));

class CommonDlgsWTest : public testing::Test
{
protected:
    test::ScriptedDesktop desktop;
    CommonDlgsW dialog{desktop};
};

TEST_F(CommonDlgsWTest, OpenHandsOverTheFieldsAndCollectsTheChoice)
{
    dialog.Filter = QStringLiteral("MP3 Audio(*.mp3)|*.mp3|All(*.*)|*.*");
    dialog.FilterIndex = 2;
    dialog.DialogTitle = QStringLiteral("Open Files");
    dialog.InitDir = QStringLiteral("/music");
    desktop.fileAnswers.push_back(QStringList{"/music/a b.mp3"});

    ASSERT_TRUE(dialog.ShowOpen(nullptr));
    const Desktop::FileRequest& asked = desktop.fileRequests.at(0);
    EXPECT_EQ(asked.title, "Open Files");
    EXPECT_EQ(asked.folder, "/music");
    EXPECT_EQ(asked.filters, (QStringList{"MP3 Audio (*.mp3)", "All (*)"}));
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_FALSE(asked.multiple);
    EXPECT_EQ(dialog.FileName, "/music/a b.mp3");
    EXPECT_EQ(dialog.FileTitle, "a b.mp3");
    EXPECT_EQ(dialog.Title, "a b.mp3");
    EXPECT_EQ(dialog.Flags, 0);
}

TEST_F(CommonDlgsWTest, CancelAfterAChoiceLeavesTheFields)
{
    desktop.fileAnswers.push_back(QStringList{"/x/first.wav"});
    ASSERT_TRUE(dialog.ShowOpen(nullptr));
    desktop.fileAnswers.push_back(std::nullopt);
    EXPECT_FALSE(dialog.ShowSave(nullptr));
    EXPECT_EQ(dialog.FileName, "/x/first.wav");
    EXPECT_EQ(dialog.FileTitle, "first.wav");
}

TEST_F(CommonDlgsWTest, MultipleChoiceKeepsTheRawBufferAndNoValidationNoTitle)
{
    dialog.Flags = CommonDlgsW::AllowMultiSelect;
    desktop.fileAnswers.push_back(QStringList{"/d/one.mp3", "/d/two.mp3"});
    ASSERT_TRUE(dialog.ShowOpen(nullptr));
    EXPECT_TRUE(desktop.fileRequests.back().multiple);
    EXPECT_EQ(dialog.FileName, QStringLiteral("/d") + QChar(0) + "one.mp3" + QChar(0) + "two.mp3" + QChar(0) + QChar(0));
    EXPECT_TRUE(dialog.FileTitle.isEmpty());

    dialog.Flags = CommonDlgsW::NoValidate;
    dialog.Title = QStringLiteral("before");
    desktop.fileAnswers.push_back(QStringList{"/d/three.mp3"});
    ASSERT_TRUE(dialog.ShowOpen(nullptr));
    EXPECT_EQ(dialog.FileName, "/d/three.mp3");
    EXPECT_TRUE(dialog.FileTitle.isEmpty());
    EXPECT_EQ(dialog.Title, "before");
}

TEST_F(CommonDlgsWTest, APathBeyondTheNameBufferIsRefused)
{
    const QString longPath = QStringLiteral("/") + QString(300, QLatin1Char('a')) + QStringLiteral(".mp3");
    desktop.fileAnswers.push_back(QStringList{longPath});
    EXPECT_FALSE(dialog.ShowOpen(nullptr));
    EXPECT_TRUE(dialog.FileName.isEmpty());
}

TEST_F(CommonDlgsWTest, ColourStartsGreyTakesSystemColoursAndKeepsCustomOnes)
{
    EXPECT_EQ(dialog.Color(), 12632256);
    dialog.setColor(static_cast<std::int32_t>(0x80000005));
    const QColor window = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
    EXPECT_EQ(dialog.Color(), window.red() | (window.green() << 8) | (window.blue() << 16));
    dialog.setColor(0x0000FF);
    EXPECT_EQ(dialog.Color(), 0x0000FF);

    desktop.customColorToDefine = QColor(1, 2, 3);
    desktop.colorAnswers.push_back(std::nullopt);
    EXPECT_FALSE(dialog.ShowColor(nullptr));
    EXPECT_EQ(desktop.colorRequests.back(), QColor(255, 0, 0));
    EXPECT_EQ(dialog.Color(), 0x0000FF);

    desktop.colorAnswers.push_back(QColor(0x10, 0x20, 0x30));
    ASSERT_TRUE(dialog.ShowColor(nullptr));
    EXPECT_EQ(dialog.Color(), 0x302010);
}

TEST(PickFolderTest, NarrowsTheChoiceAndReportsACancel)
{
    test::ScriptedDesktop desktop;
    desktop.folderAnswers = {QStringLiteral("/"), QStringLiteral("/data/caf\u00e9"), QStringLiteral("/data/x\ufffdy"),
                             std::nullopt};
    EXPECT_EQ(PickFolder(desktop, nullptr), "/");
    EXPECT_EQ(PickFolder(desktop, nullptr), "/data/caf\xc3\xa9");
    EXPECT_EQ(PickFolder(desktop, nullptr), "/data/x?y");
    EXPECT_EQ(PickFolder(desktop, nullptr), std::nullopt);
}

TEST(OpenFileDialogTest, StartsInTheProgramFolderUnlessTheFolderExists)
{
    test::TempDir dir;
    test::ScriptedDesktop desktop;
    const std::string program = dir.path();
    std::filesystem::create_directory(dir / "music");
    desktop.fileAnswers = {QStringList{"/a/picked.mp3"}, std::nullopt, std::nullopt};

    EXPECT_EQ(OpenFileDialog(desktop, nullptr, program, "Open Files", "  ", "*.*|*.*", 2097160), "/a/picked.mp3");
    EXPECT_EQ(OpenFileDialog(desktop, nullptr, program, "Open Files", dir / "missing"), "");
    EXPECT_EQ(OpenFileDialog(desktop, nullptr, program, "Open Files", dir / "music"), "");

    ASSERT_EQ(desktop.fileRequests.size(), 3u);
    EXPECT_EQ(desktop.fileRequests[0].folder.toStdString(), program);
    EXPECT_EQ(desktop.fileRequests[0].title, "Open Files");
    EXPECT_EQ(desktop.fileRequests[1].folder.toStdString(), program);
    EXPECT_EQ(desktop.fileRequests[1].filters, QStringList{"*.* (*)"});
    EXPECT_EQ(desktop.fileRequests[2].folder.toStdString(), dir / "music/");
}

} // namespace
} // namespace brisquel
