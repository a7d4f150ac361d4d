#pragma once

#include "platform/single_instance.h"
#include "ui/main_window_context.h"

#include <memory>
#include <string>
#include <vector>

namespace brisquel {

class HandOffServer;
class TerminationSignals;
class frmMain;

// One run of the program: the single-instance check, then the main window, loaded and
// shown at its parked place, which from then on also takes the paths of later copies.
// SIGTERM, SIGINT and SIGHUP close the window as the close box does.
class BrisquelApp
{
public:
    BrisquelApp(MainWindowContext context, const QString& lockPath = SingleInstance::defaultLockPath());
    // With the lock already taken (or to be taken) by `instance`.
    BrisquelApp(MainWindowContext context, std::unique_ptr<SingleInstance> instance);
    ~BrisquelApp();

    // False when another copy runs: nothing is shown, read or written. `paths` (files and
    // folders) are queued as a drop of them would be.
    bool start(const std::vector<std::string>& paths = {});

    frmMain* window() const { return m_window.get(); }

    // What happens when the window has been unloaded; by default the program ends.
    std::function<void(bool busy)> onUnloaded;

private:
    void endProgram(bool busy);

    MainWindowContext m_context;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<HandOffServer> m_handOff;
    std::unique_ptr<TerminationSignals> m_signals;
};

} // namespace brisquel
