#include "ui/brisquel_app.h"

#include "platform/termination_signals.h"
#include "ui/frm_main.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace brisquel {

BrisquelApp::BrisquelApp(MainWindowContext context, const QString& lockPath)
    : m_context(std::move(context))
    , m_instance(lockPath)
{
    onUnloaded = [this](bool busy) { endProgram(busy); };
}

BrisquelApp::~BrisquelApp() = default;

bool BrisquelApp::start()
{
    if (!m_instance.acquire())
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
    m_instance.release();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace brisquel
