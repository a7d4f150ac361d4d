#include "platform/desktop_announcer.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QGuiApplication>
#include <QVariantMap>

#include <algorithm>

namespace brisquel {

namespace {

constexpr char NotificationService[] = "org.freedesktop.Notifications";
constexpr char NotificationPath[] = "/org/freedesktop/Notifications";
constexpr char LauncherInterface[] = "com.canonical.Unity.LauncherEntry";
// Listeners match the interface and the application address, not the path.
constexpr char LauncherPath[] = "/com/canonical/unity/launcherentry/brisquel";

QString applicationUri()
{
    return QStringLiteral("application://%1.desktop").arg(QGuiApplication::desktopFileName());
}

} // namespace

DesktopAnnouncer::DesktopAnnouncer(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

void DesktopAnnouncer::notify(const QString& title, const QString& body)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(NotificationService),
                                                       QString::fromLatin1(NotificationPath),
                                                       QString::fromLatin1(NotificationService), QStringLiteral("Notify"));
    call << QGuiApplication::applicationDisplayName() << 0u << QGuiApplication::desktopFileName() << title << body
         << QStringList() << QVariantMap() << -1;
    // Not waited for: a missing notification service must not hold the window up.
    call.setAutoStartService(true);
    m_bus.asyncCall(call);
}

void DesktopAnnouncer::showProgress(std::optional<double> fraction)
{
    updateLauncher(std::clamp(fraction.value_or(0.0), 0.0, 1.0), true);
}

void DesktopAnnouncer::clearProgress()
{
    updateLauncher(0, false);
}

void DesktopAnnouncer::updateLauncher(double progress, bool visible)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(LauncherPath), QString::fromLatin1(LauncherInterface),
                                                     QStringLiteral("Update"));
    signal << applicationUri()
           << QVariantMap{{QStringLiteral("progress"), progress}, {QStringLiteral("progress-visible"), visible}};
    m_bus.send(signal);
}

} // namespace brisquel
