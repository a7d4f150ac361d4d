#pragma once

#include "scripted_desktop.h"
#include "test_support.h"
#include "ui/frm_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPoint>

#include <filesystem>
#include <memory>

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

    TempDir dir;
    ScriptedDesktop desktop;
    std::string fakeProgram;
    std::string scratch;
    std::string settings;
    std::string output;
};

} // namespace brisquel::test
