// Whole batches through the window with the real converter: what the user clicks, sees and
// finds in the output folder, and closing the window while a converter runs.
#include "main_window_fixture.h"

#include "settings/option_values.h"
#include "ui/hot_image.h"
#include "ui/main_window_layout.h"
#include "ui/help_page.h"

#include <QApplication>

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace brisquel {
namespace {

namespace fs = std::filesystem;
using test::MainWindowFixture;

class BatchWindowTest : public testing::Test, public MainWindowFixture
{
protected:
    static bool toolbarEnabled(frmMain& w)
    {
        bool any = false;
        for (int i = 0; i < 7; ++i)
            any = any || control<QWidget>(w, QStringLiteral("imgToolbar%1").arg(i).toLatin1())->isEnabled();
        return any;
    }

    static std::vector<std::string> filesIn(const std::string& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(BatchWindowTest, StartNowConvertsTheQueueIntoSegments)
{
    const std::string tone = makeTone(65);
    auto w = start(test::binFolder());
    // 12000 Hz: the rate that the encoders accept in place of 12050.
    control<QComboBox>(*w, "cmbR")->setCurrentIndex(6);
    addFile(*w, tone);
    ASSERT_EQ(control<QTreeWidget>(*w, "LV")->topLevelItemCount(), 1);

    QStringList captions;
    bool lockedWhileRunning = true;
    QObject::connect(w.get(), &frmMain::progressCaptionChanged, [&](const QString& caption) {
        captions << caption;
        if (caption != "Done.")
            lockedWhileRunning = lockedWhileRunning && !toolbarEnabled(*w)
                              && control<QWidget>(*w, "imgConvert")->toolTip() == "Stop the conversion (Esc)";
    });
    click(*w, layout::Convert.center());
    EXPECT_FALSE(toolbarEnabled(*w)) << "the toolbar is locked from the click on";

    // The batch runs inside Timer1's tick; waiting ends when its last step opened the folder.
    for (int i = 0; i < 3000 && desktop.openedUrls.empty(); ++i)
        QTest::qWait(100);

    ASSERT_FALSE(captions.isEmpty());
    EXPECT_EQ(captions.front(), "Preparing Files...");
    EXPECT_EQ(captions.back(), "Done.");
    const QRegularExpression percentage(QStringLiteral("^\\d+(\\.\\d+)?%$"));
    EXPECT_TRUE(std::any_of(captions.begin(), captions.end(), [&](const QString& c) { return percentage.match(c).hasMatch(); }))
        << captions.join(" | ").toStdString();
    EXPECT_TRUE(lockedWhileRunning) << "the toolbar is locked and the start image offers STOP";
    EXPECT_NE(control<QWidget>(*w, "imgConvert")->accessibleName(), "Stop conversion");
    EXPECT_TRUE(toolbarEnabled(*w));
    EXPECT_EQ(w->progressWidth(), 0);
    EXPECT_EQ(control<QWidget>(*w, "imgPB")->width(), 0);
    EXPECT_EQ(control<QTreeWidget>(*w, "LV")->topLevelItemCount(), 0);
    EXPECT_EQ(filesIn(output), (std::vector<std::string>{"tone00000.mp3", "tone00001.mp3", "tone00002.mp3"}));
    ASSERT_EQ(desktop.openedUrls.size(), 1u);
    EXPECT_EQ(desktop.openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(output)));
    EXPECT_EQ(desktop.sounds, std::vector<QString>{QString::fromStdString(test::binFolder() + "/sound.wav")});
    EXPECT_TRUE(control<QWidget>(*w, "picDrag")->isVisible());
}

// The option as options.ini stores it reaches the batch: an MP3 is cut at its own rate,
// whatever rate the panel asks a conversion for.
TEST_F(BatchWindowTest, SplittingWithoutReencodingIsTakenFromTheOptions)
{
    const std::string tone = makeTone(9, "tone.mp3");
    test::writeFile(settings + "/options.ini", "1\r\n0\r\n0\r\n0\r\n1\r\n1\r\n");
    auto w = start(test::binFolder());
    control<QComboBox>(*w, "cmbR")->setCurrentIndex(6);
    control<QLineEdit>(*w, "txtSplit")->setText(QStringLiteral("4"));
    addFile(*w, tone);
    click(*w, layout::Convert.center());
    for (int i = 0; i < 3000 && desktop.openedUrls.empty(); ++i)
        QTest::qWait(100);
    SplitByCopy = false;

    EXPECT_EQ(filesIn(output), (std::vector<std::string>{"tone00000.mp3", "tone00001.mp3", "tone00002.mp3"}));
    QProcess probe;
    probe.start(QString::fromStdString(test::binFolder() + "/data/conv.exe"),
                {"-i", QString::fromStdString(output + "/tone00000.mp3")});
    ASSERT_TRUE(probe.waitForFinished(60000));
    const QString description = QString::fromLocal8Bit(probe.readAllStandardError());
    EXPECT_TRUE(description.contains("Audio: mp3, 44100 Hz")) << description.toStdString();
}

TEST_F(BatchWindowTest, ADropDuringABatchJoinsItWhileOnlyTheToolbarIgnoresClicks)
{
    const std::string first = makeTone(3, "first.wav");
    const std::string second = makeTone(3, "second.wav");
    std::filesystem::create_directories(output);
    auto w = start(test::binFolder());
    addFile(*w, first);

    // Everything is tried once, while the batch prepares its first file.
    bool tried = false;
    bool dimmed = false;
    int rowsAfterDrop = 0;
    QObject::connect(w.get(), &frmMain::progressCaptionChanged, [&](const QString& caption) {
        if (caption != "Preparing Files..." || tried)
            return;
        tried = true;
        dimmed = !control<QLabel>(*w, "imgToolbar0")->pixmap().isNull();
        overlayDrop(*w, *filesData({second}));
        rowsAfterDrop = control<QTreeWidget>(*w, "LV")->topLevelItemCount();
        desktop.fileAnswers.push_back(QStringList{QString::fromStdString(first)});
        desktop.folderAnswers.push_back(QString::fromStdString(output));
        for (int i : {0, 6, 1, 2, 3, 4})
            click(*w, layout::Toolbar[i].center());
        click(*w, layout::Browse.center());
        click(*w, control<QWidget>(*w, "lblWeb")->geometry().center());
    });
    click(*w, layout::Convert.center());
    for (int i = 0; i < 3000 && w->queueCount() > 0; ++i)
        QTest::qWait(100);

    ASSERT_TRUE(tried);
    EXPECT_TRUE(dimmed) << "the disabled toolbar is drawn dimmed";
    EXPECT_TRUE(control<QLabel>(*w, "imgToolbar0")->pixmap().isNull()) << "and whole again afterwards";
    EXPECT_EQ(rowsAfterDrop, 2) << "the drop queued behind the running file";
    EXPECT_EQ(filesIn(output), (std::vector<std::string>{"first00000.mp3", "second00000.mp3"}));
    EXPECT_EQ(desktop.fileAnswers.size(), 1u) << "Add File ran during the batch";
    EXPECT_TRUE(desktop.folderAnswers.empty()) << "Browse is still open to the user";
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the Remove popup opened during the batch";
    ASSERT_GE(desktop.openedUrls.size(), 1u);
    EXPECT_EQ(desktop.openedUrls.front(), helpPageUrl(test::binFolder())) << "the web label still works";
    EXPECT_EQ(desktop.openedUrls.size(), 2u) << "the help page once, by the label; then the output folder";
}

// Closing ends the program's own converter (nobody else's), lets the batch unwind, and only
// then unloads. The test waits for each state with a generous bound, never for a time.
TEST_F(BatchWindowTest, ClosingDuringAConversionEndsTheConverterAndTheScratchFiles)
{
    const std::string tone = makeTone(1800);
    auto w = start(test::binFolder());
    addFile(*w, tone);

    QSignalSpy unloaded(w.get(), &frmMain::unloaded);
    bool closed = false;
    QObject::connect(w.get(), &frmMain::progressCaptionChanged, [&](const QString& caption) {
        if (!caption.endsWith('%') || closed)
            return;
        fs::create_directories(scratch);
        test::writeFile(scratch + "/tmp.wav", "stale");
        test::writeFile(scratch + "/tmpfile1.mp3", "stale");
        closed = true;
        w->close();
    });
    click(*w, layout::Convert.center());
    for (int i = 0; i < 3000 && unloaded.isEmpty() && desktop.openedUrls.empty(); ++i)
        QTest::qWait(100);

    ASSERT_TRUE(closed) << "the conversion ended before it showed a percentage";
    ASSERT_EQ(unloaded.size(), 1);
    EXPECT_FALSE(unloaded[0][0].toBool()) << "the batch had unwound before the window unloaded";
    EXPECT_TRUE(desktop.openedUrls.empty()) << "the end steps of the batch ran";
    for (int i = 0; i < 600 && !test::converterProcessesOn(tone).empty(); ++i)
        QTest::qWait(50);
    EXPECT_TRUE(test::converterProcessesOn(tone).empty());
    EXPECT_FALSE(fs::exists(scratch + "/tmp.wav"));
    EXPECT_FALSE(fs::exists(scratch + "/tmpfile1.mp3"));
}

// STOP during a real conversion, by a click on the start image or by Esc: the converter
// ends, its segments go, the file stays queued and the end steps do not run.
class StopWindowTest : public BatchWindowTest, public testing::WithParamInterface<bool>
{
};

TEST_P(StopWindowTest, StopsTheConversionAndKeepsTheFile)
{
    const bool byEscape = GetParam();
    const std::string tone = makeTone(1800);
    auto w = start(test::binFolder());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    addFile(*w, tone);
    auto* image = control<QLabel>(*w, "imgConvert");
    auto* status = control<QLabel>(*w, "lblStatus");

    bool stopped = false;
    bool stopShown = false;
    bool hoverLit = false;
    QString statusWhileRunning;
    QObject::connect(w.get(), &frmMain::progressCaptionChanged, [&](const QString& caption) {
        if (!caption.endsWith('%') || stopped)
            return;
        stopped = true;
        stopShown = image->isEnabled() && image->toolTip() == "Stop the conversion (Esc)"
                    && image->accessibleName() == "Stop conversion" && !image->pixmap().isNull();
        // Off the point of the start click, so that the pointer moves.
        moveTo(*w, layout::Convert.center() + QPoint(10, 5));
        hoverLit = static_cast<HotImage*>(image)->isLit();
        statusWhileRunning = status->text();
        if (byEscape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            click(*w, layout::Convert.center());
    });
    click(*w, layout::Convert.center());
    for (int i = 0; i < 3000 && control<QLabel>(*w, "lblPB")->text() != "Stopped." && desktop.openedUrls.empty(); ++i)
        QTest::qWait(100);

    ASSERT_TRUE(stopped);
    EXPECT_EQ(control<QLabel>(*w, "lblPB")->text(), "Stopped.");
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(hoverLit) << "STOP lights up under the pointer";
    EXPECT_TRUE(statusWhileRunning.startsWith(QStringLiteral("File 1 of 1 \u00B7 "))) << statusWhileRunning.toStdString();
    EXPECT_TRUE(test::converterProcessesOn(tone).empty());
    EXPECT_TRUE(filesIn(output).empty());
    EXPECT_EQ(control<QTreeWidget>(*w, "LV")->topLevelItemCount(), 1);
    EXPECT_TRUE(desktop.openedUrls.empty());
    EXPECT_TRUE(desktop.sounds.empty());
    EXPECT_TRUE(toolbarEnabled(*w));
    EXPECT_EQ(w->progressWidth(), 0);
    EXPECT_TRUE(image->pixmap().isNull() || static_cast<HotImage*>(image)->isLit()) << "START NOW! is back";
    EXPECT_NE(image->accessibleName(), "Stop conversion");

    // The status line's end text links to the report, which names the stopped file.
    const std::string report = reports + "/last-batch.txt";
    EXPECT_NE(test::readFile(report).find("stopped     tone.wav\n"), std::string::npos);
    EXPECT_TRUE(status->text().contains(QStringLiteral("0 converted, stopped in "))) << status->text().toStdString();
    emit status->linkActivated(QStringLiteral("report"));
    ASSERT_EQ(desktop.openedUrls.size(), 1u);
    EXPECT_EQ(desktop.openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(report)));

    // A change of the list takes the end text away.
    QTreeWidget* list = control<QTreeWidget>(*w, "LV");
    w->queue().removeAt(0);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(status->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, StopWindowTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "ByEscape" : "ByClick");
                         });

} // namespace
} // namespace brisquel
