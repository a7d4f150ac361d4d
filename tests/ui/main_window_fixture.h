#pragma once

#include "scripted_desktop.h"
#include "test_support.h"
#include "ui/frm_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPoint>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace brisquel::test {

// A main window on temporary program, scratch, settings and output folders, with the
// scripted desktop, loaded and revealed as at a real start. Pointer input goes through the
// window, so it reaches whichever control lies under the point, as a user's would.
class MainWindowFixture
{
public:
    MainWindowFixture();

    // `programFolder` holds data/conv.exe: by default one whose converter is the fake.
    std::unique_ptr<frmMain> start(const std::string& programFolder = {});

    MainWindowContext context(const std::string& programFolder) const;

    static void moveTo(frmMain& window, QPoint point);
    static void click(frmMain& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
    static void press(frmMain& window, QPoint point, Qt::MouseButton button);

    template <typename T>
    static T* control(frmMain& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }

    // Drags as the toolkit delivers them: events built from the data, sent to the widget
    // that receives them (an item view takes drags through its viewport). `modifiers` pick
    // the action the source proposes; each returns the action the target accepted, or
    // Qt::IgnoreAction.
    static std::unique_ptr<QMimeData> filesData(const std::vector<std::string>& paths);
    static Qt::DropAction dragEnter(QWidget* target, const QMimeData& data, Qt::KeyboardModifiers modifiers = {});
    static Qt::DropAction drop(QWidget* target, const QMimeData& data, Qt::KeyboardModifiers modifiers = {});
    // Over the list, so that the overlay shows, then onto the overlay and dropped there.
    static Qt::DropAction overlayDrop(frmMain& window, const QMimeData& data, Qt::KeyboardModifiers modifiers = {});
    static QWidget* listViewport(frmMain& window);

    // The queue as the window shows it, row by row, with each row's path.
    struct Row
    {
        std::string path, fileName, format;
        bool operator==(const Row&) const = default;
    };
    static std::vector<Row> rows(frmMain& window);

    // A sine tone of `seconds` in the temporary folder, made by the real converter.
    std::string makeTone(int seconds, const std::string& name = "tone.wav");
    // Through Add File, as a user picks it.
    void addFile(frmMain& window, const std::string& path);

    TempDir dir;
    ScriptedDesktop desktop;
    std::string fakeProgram;
    std::string scratch;
    std::string settings;
    std::string output;
    std::string reports;
    const CodePage* codePage = nullptr; // the window's narrowing; the program's own when null
    std::chrono::milliseconds converterSilenceLimit = ConverterSilenceLimit;
    std::string home;  // exists
    std::string music; // made by a test that wants one
    QString language;  // of the loaded translations; English when empty
};

// Runs `probe` whenever the event loop turns, so a test sees the window as it stands in the
// yields of a long operation (a search, Remove All) and can act from inside them.
class LoopProbe
{
public:
    explicit LoopProbe(std::function<void()> probe);

private:
    QTimer m_timer;
};

} // namespace brisquel::test
