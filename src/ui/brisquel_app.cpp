#include "ui/brisquel_app.h"

#include "platform/hand_off.h"
#include "platform/termination_signals.h"
#include "ui/frm_main.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace brisquel {

BrisquelApp::BrisquelApp(MainWindowContext context, const QString& lockPath)
    : BrisquelApp(std::move(context), std::make_unique<SingleInstance>(lockPath))
{
}

BrisquelApp::BrisquelApp(MainWindowContext context, std::unique_ptr<SingleInstance> instance)
    : m_context(std::move(context))
    , m_instance(std::move(instance))
{
    onUnloaded = [this](bool busy) { endProgram(busy); };
}

BrisquelApp::~BrisquelApp() = default;

bool BrisquelApp::start(const std::vector<std::string>& paths)
{
    if (!m_instance->acquire())
        return false;
    m_window = std::make_unique<frmMain>(m_context);
    QObject::connect(m_window.get(), &frmMain::unloaded, [this](bool busy) {
        if (onUnloaded)
            onUnloaded(busy);
    });
    m_signals = std::make_unique<TerminationSignals>();
    QObject::connect(m_signals.get(), &TerminationSignals::received, m_window.get(), &QWidget::close);
    m_window->load();
    m_window->show();
    // Listening before the own paths are searched: a later copy started meanwhile is served
    // in the search's yields, as a drop would be, instead of waiting for its end.
    m_handOff = std::make_unique<HandOffServer>(m_instance->handOffPath());
    QObject::connect(m_handOff.get(), &HandOffServer::pathsHandedOver, m_window.get(),
                     [this](const std::vector<std::string>& handed) { m_window->QueuePaths(handed); });
    m_handOff->listen();
    if (!paths.empty())
        m_window->QueuePaths(paths);
    return true;
}

void BrisquelApp::endProgram(bool busy)
{
    if (!busy) {
        QCoreApplication::quit();
        return;
    }
    // Closed from inside a running batch or search: its own loop would go on (the batch
    // with the next file), so the program ends here and now, as an unload must.
    m_handOff.reset();
    m_instance->release();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace brisquel
