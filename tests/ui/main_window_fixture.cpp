#include "main_window_fixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace brisquel::test {

MainWindowFixture::MainWindowFixture()
    : fakeProgram(makeFakeProgramFolder(dir / "program"))
    , scratch(dir / "cache/brisquel/tmp")
    , settings(dir / "settings")
    , output(dir / "output")
{
    std::filesystem::create_directories(settings);
}

MainWindowContext MainWindowFixture::context(const std::string& programFolder) const
{
    return {programFolder.empty() ? fakeProgram : programFolder, scratch, settings, output,
            const_cast<ScriptedDesktop*>(&desktop)};
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

} // namespace brisquel::test
