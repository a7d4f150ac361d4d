#pragma once

#include "platform/single_instance.h"
#include "ui/main_window_context.h"

#include <memory>

namespace brisquel {

class TerminationSignals;
class frmMain;

// One run of the program: the single-instance check, then the main window, loaded and
// shown at its parked place. SIGTERM, SIGINT and SIGHUP close the window as the close box
// does.
class BrisquelApp
{
public:
    BrisquelApp(MainWindowContext context, const QString& lockPath = SingleInstance::defaultLockPath());
    ~BrisquelApp();

    // False when another copy runs: nothing is shown, read or written.
    bool start();

    frmMain* window() const { return m_window.get(); }

    // What happens when the window has been unloaded; by default the program ends.
    std::function<void(bool busy)> onUnloaded;

private:
    void endProgram(bool busy);

    MainWindowContext m_context;
    SingleInstance m_instance;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<TerminationSignals> m_signals;
};

} // namespace brisquel
