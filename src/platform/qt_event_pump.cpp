#include "platform/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

namespace brisquel {

void QtEventPump::ProcessPending()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::Wait(int ms)
{
    // The loop sleeps in the event dispatcher and wakes for every message, so a wait costs
    // no processor time and the window stays responsive.
    QEventLoop loop;
    QTimer::singleShot(ms > 0 ? ms : 0, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::AllEvents);
}

void QtEventPump::WaitOrReadable(int ms, int fd)
{
    QEventLoop loop;
    QSocketNotifier readable(fd, QSocketNotifier::Read);
    QObject::connect(&readable, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms > 0 ? ms : 0, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::AllEvents);
}

} // namespace brisquel
