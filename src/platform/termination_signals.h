#pragma once

#include <QObject>

class QSocketNotifier;

namespace brisquel {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the window's thread, so that they end
// the program as the close box does (converter stopped, scratch files deleted) instead of
// killing it where it stands. One instance at a time; it gives the signals back their default
// handling when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace brisquel
