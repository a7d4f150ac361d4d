#pragma once

#include <QDBusConnection>
#include <QString>

#include <optional>

namespace brisquel {

// Tells the desktop about a batch through the session bus: a notification when it ends,
// and its progress on the program's launcher entry (docks and task managers show it). Where
// there is no bus, or nobody listens, it does nothing and says nothing.
class DesktopAnnouncer
{
public:
    explicit DesktopAnnouncer(QDBusConnection bus = QDBusConnection::sessionBus());

    void notify(const QString& title, const QString& body);
    // `fraction` from 0 to 1; nothing shows the entry without a bar value.
    void showProgress(std::optional<double> fraction);
    void clearProgress();

private:
    void updateLauncher(double progress, bool visible);

    QDBusConnection m_bus;
};

} // namespace brisquel
