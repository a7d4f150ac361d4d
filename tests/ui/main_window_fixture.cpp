#include "main_window_fixture.h"

#include "ui/main_window_layout.h"

#include <QDragEnterEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

namespace brisquel::test {

MainWindowFixture::MainWindowFixture()
    : fakeProgram(makeFakeProgramFolder(dir / "program"))
    , scratch(dir / "cache/brisquel/tmp")
    , settings(dir / "settings")
    , output(dir / "output")
    , reports(dir / "state/brisquel")
    , home(dir / "home")
    , music(dir / "home/Music")
{
    std::filesystem::create_directories(settings);
    std::filesystem::create_directories(reports);
    std::filesystem::create_directories(home);
}

MainWindowContext MainWindowFixture::context(const std::string& programFolder) const
{
    return {programFolder.empty() ? fakeProgram : programFolder,
            scratch,
            settings,
            output,
            const_cast<ScriptedDesktop*>(&desktop),
            codePage,
            converterSilenceLimit,
            music,
            home,
            reports,
            language};
}

std::unique_ptr<frmMain> MainWindowFixture::start(const std::string& programFolder)
{
    auto window = std::make_unique<frmMain>(context(programFolder));
    QSignalSpy revealed(window.get(), &frmMain::revealed);
    window->load();
    window->show();
    EXPECT_TRUE(revealed.wait(30000));
    return window;
}

void MainWindowFixture::moveTo(frmMain& window, QPoint point)
{
    QTest::mouseMove(window.windowHandle(), point);
}

void MainWindowFixture::click(frmMain& window, QPoint point, Qt::MouseButton button)
{
    QTest::mouseClick(window.windowHandle(), button, {}, point);
}

void MainWindowFixture::press(frmMain& window, QPoint point, Qt::MouseButton button)
{
    QTest::mousePress(window.windowHandle(), button, {}, point);
    QTest::mouseRelease(window.windowHandle(), button, {}, point);
}

std::unique_ptr<QMimeData> MainWindowFixture::filesData(const std::vector<std::string>& paths)
{
    QList<QUrl> urls;
    for (const std::string& path : paths)
        urls << QUrl::fromLocalFile(QString::fromStdString(path));
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

namespace {

constexpr Qt::DropActions Offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

Qt::DropAction accepted(const QDropEvent& event)
{
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

} // namespace

Qt::DropAction MainWindowFixture::dragEnter(QWidget* target, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Offered, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDragMoveEvent move(at + QPoint(1, 1), Offered, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &move);
    return accepted(move);
}

Qt::DropAction MainWindowFixture::drop(QWidget* target, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    if (dragEnter(target, data, modifiers) == Qt::IgnoreAction)
        return Qt::IgnoreAction;
    QDropEvent dropped(QPointF(target->rect().center()), Offered, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &dropped);
    return accepted(dropped);
}

Qt::DropAction MainWindowFixture::overlayDrop(frmMain& window, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    dragEnter(listViewport(window), data, modifiers);
    auto* overlay = control<QWidget>(window, "picDrop");
    EXPECT_TRUE(overlay->isVisible()) << "a drag over the list shows the overlay";
    return drop(overlay, data, modifiers);
}

QWidget* MainWindowFixture::listViewport(frmMain& window)
{
    return control<QTreeWidget>(window, "LV")->viewport();
}

std::string MainWindowFixture::makeTone(int seconds, const std::string& name)
{
    const std::string path = dir / name;
    const int code = QProcess::execute(QString::fromStdString(binFolder() + "/data/conv.exe"),
                                       {"-v", "error", "-f", "lavfi", "-i",
                                        QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), "-y",
                                        QString::fromStdString(path)});
    EXPECT_EQ(code, 0);
    return path;
}

void MainWindowFixture::addFile(frmMain& window, const std::string& path)
{
    desktop.fileAnswers.push_back(QStringList{QString::fromStdString(path)});
    click(window, layout::Toolbar[0].center());
}

std::vector<MainWindowFixture::Row> MainWindowFixture::rows(frmMain& window)
{
    auto* list = control<QTreeWidget>(window, "LV");
    EXPECT_EQ(list->topLevelItemCount(), window.queueCount()) << "every row has its path";
    std::vector<Row> shown;
    for (int i = 0; i < list->topLevelItemCount() && i < window.queueCount(); ++i)
        shown.push_back({window.queuePath(i), list->topLevelItem(i)->text(0).toStdString(),
                         list->topLevelItem(i)->text(1).toStdString()});
    return shown;
}

LoopProbe::LoopProbe(std::function<void()> probe)
{
    QObject::connect(&m_timer, &QTimer::timeout, std::move(probe));
    m_timer.start(0);
}

} // namespace brisquel::test
