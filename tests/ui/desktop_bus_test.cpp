// What the desktop hears of a batch, on a private session bus: a small notification
// service and a listener of the launcher entry, on a connection of their own, watch the
// window's real announcer. CTest starts the DesktopBusTest cases under dbus-run-session;
// the case without a bus runs with the others.
#include "main_window_fixture.h"

#include "platform/desktop_announcer.h"
#include "ui/main_window_layout.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QVariantMap>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

namespace brisquel {
namespace {

using test::MainWindowFixture;

constexpr char ServiceName[] = "org.freedesktop.Notifications";
constexpr char ServicePath[] = "/org/freedesktop/Notifications";
constexpr char ListenerConnection[] = "brisquel-test-desktop";

// The notification service as far as the program uses it, and the launcher's listener.
class FakeDesktop : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString summary, body;
    };
    struct LauncherUpdate
    {
        QString uri;
        double progress = -1;
        bool visible = false;
    };
    std::vector<Notification> notifications;
    std::vector<LauncherUpdate> updates;
    int capabilityCalls = 0;

public slots:
    uint Notify(const QString& /*appName*/, uint /*replacesId*/, const QString& /*icon*/, const QString& summary,
                const QString& body, const QStringList& /*actions*/, const QVariantMap& /*hints*/, int /*timeout*/)
    {
        notifications.push_back({summary, body});
        return static_cast<uint>(notifications.size());
    }
    // The test's own call through the window's connection: once it arrives, everything the
    // window sent before it has arrived too.
    QStringList GetCapabilities()
    {
        ++capabilityCalls;
        return {QStringLiteral("body")};
    }
    void onLauncherUpdate(const QString& uri, const QVariantMap& properties)
    {
        updates.push_back({uri, properties.value(QStringLiteral("progress"), -1.0).toDouble(),
                           properties.value(QStringLiteral("progress-visible")).toBool()});
    }
};

struct BusCase
{
    const char* name;
    bool serviceRunning;
    bool windowActive;
    bool stop;
    const char* notification; // the body; null: none
};

void PrintTo(const BusCase& c, std::ostream* os)
{
    *os << c.name;
}

class DesktopBusTest : public testing::TestWithParam<BusCase>, public MainWindowFixture
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("BRISQUEL_PRIVATE_BUS"))
            GTEST_SKIP() << "needs a private session bus: CTest runs it under dbus-run-session";
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        QGuiApplication::setDesktopFileName(QStringLiteral("example.brisquel.Brisquel"));
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QString::fromLatin1(ListenerConnection)));
        ASSERT_TRUE(m_bus->isConnected());
        if (!GetParam().serviceRunning)
            return;
        ASSERT_TRUE(m_bus->registerObject(QString::fromLatin1(ServicePath), &m_desktop, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(m_bus->registerService(QString::fromLatin1(ServiceName)));
        ASSERT_TRUE(m_bus->connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                   QStringLiteral("Update"), &m_desktop, SLOT(onLauncherUpdate(QString, QVariantMap))));
    }

    void TearDown() override
    {
        QGuiApplication::setDesktopFileName(QString());
        if (!m_bus)
            return;
        m_bus->unregisterService(QString::fromLatin1(ServiceName));
        m_bus->unregisterObject(QString::fromLatin1(ServicePath));
        m_bus.reset();
        QDBusConnection::disconnectFromBus(QString::fromLatin1(ListenerConnection));
    }

    // Waits until a call sent now through the window's connection has reached the service.
    void drainWindowConnection()
    {
        const int before = m_desktop.capabilityCalls;
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            QString::fromLatin1(ServiceName), QString::fromLatin1(ServicePath), QString::fromLatin1(ServiceName),
            QStringLiteral("GetCapabilities")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_desktop.capabilityCalls > before; }, 30000));
    }

    FakeDesktop m_desktop;
    std::unique_ptr<QDBusConnection> m_bus;
};

TEST_P(DesktopBusTest, AnnouncesTheBatch)
{
    const BusCase& c = GetParam();
    const std::string good = makeTone(3, "good.wav");
    const std::string bad = dir / "bad.wav";
    ASSERT_TRUE(test::writeFile(bad, "not a sound"));
    auto w = start(test::binFolder());
    addFile(*w, good);
    addFile(*w, bad);

    // Another window takes the focus from the main window, as when the user works elsewhere.
    QWidget elsewhere;
    if (c.windowActive) {
        w->activateWindow();
    } else {
        elsewhere.show();
        elsewhere.activateWindow();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow() == c.windowActive; }, 30000));

    auto* caption = control<QLabel>(*w, "lblPB");
    if (c.stop) {
        QObject::connect(w.get(), &frmMain::progressCaptionChanged, w.get(), [&](const QString& text) {
            // A click, not Esc: the window's shortcuts wait for it to be active.
            if (text == "Preparing Files...")
                click(*w, layout::Convert.center());
        });
    }
    click(*w, layout::Convert.center());
    const QString endCaption = c.stop ? QStringLiteral("Stopped.") : QStringLiteral("Done, 1 failed.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return caption->text() == endCaption; }, 60000)) << caption->text().toStdString();
    if (!c.serviceRunning)
        return; // and nothing failed on the way

    drainWindowConnection();
    const auto& updates = m_desktop.updates;
    ASSERT_FALSE(updates.empty());
    for (const auto& update : updates)
        EXPECT_EQ(update.uri, "application://example.brisquel.Brisquel.desktop");
    EXPECT_FALSE(updates.back().visible) << "cleared at the end";
    EXPECT_EQ(updates.back().progress, 0);
    if (!c.stop) {
        EXPECT_TRUE(std::any_of(updates.begin(), updates.end() - 1,
                                [](const auto& u) { return u.visible && u.progress > 0 && u.progress <= 1; }))
            << "the batch's progress shows while it runs";
    }
    if (c.notification) {
        ASSERT_EQ(m_desktop.notifications.size(), 1u);
        EXPECT_EQ(m_desktop.notifications[0].summary, "Brisquel");
        EXPECT_EQ(m_desktop.notifications[0].body, c.notification);
    } else {
        EXPECT_TRUE(m_desktop.notifications.empty()) << m_desktop.notifications[0].body.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DesktopBusTest,
    testing::Values(BusCase{"EndedBehindAnotherWindow", true, false, false, "1 file converted, 1 failed"},
                    BusCase{"EndedInTheActiveWindow", true, true, false, nullptr},
                    BusCase{"StoppedBehindAnotherWindow", true, false, true, nullptr},
                    BusCase{"NobodyListens", false, false, false, nullptr}),
    [](const testing::TestParamInfo<BusCase>& info) { return std::string(info.param.name); });

// Where the session has no bus at all, the announcer says nothing and holds nothing up.
TEST(WithoutASessionBus, AnnouncingDoesNothing)
{
    const QString name = QStringLiteral("brisquel-test-no-bus");
    {
        DesktopAnnouncer announcer(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), name));
        announcer.showProgress(0.5);
        announcer.showProgress(std::nullopt);
        announcer.notify(QStringLiteral("Brisquel"), QStringLiteral("1 file converted"));
        announcer.clearProgress();
    }
    EXPECT_FALSE(QDBusConnection(name).isConnected());
    QDBusConnection::disconnectFromBus(name);
}

} // namespace
} // namespace brisquel

#include "desktop_bus_test.moc"
