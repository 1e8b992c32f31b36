// Runs inside its own D-Bus session (dbus-run-session), where it plays the desktop's tray host.
#include "ui/main/tray_clicks.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QObject>

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

// The part of a StatusNotifierItem watcher that tells whether a host shows the icons.
class Watcher final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)

public:
    bool host = false;
    bool hostRegistered() const { return host; }
};

TEST(TrayClicks, OnlyAStatusNotifierHostPassesOnSingleClicksOnly)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected()) << "needs a D-Bus session";
    EXPECT_FALSE(traySendsSingleClicksOnly()) << "no watcher: an X11 tray, or none";

    Watcher watcher;
    ASSERT_TRUE(bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                   QDBusConnection::ExportAllProperties));
    ASSERT_TRUE(bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    EXPECT_FALSE(traySendsSingleClicksOnly()) << "a watcher without a host shows no icons";
    watcher.host = true;
    EXPECT_TRUE(traySendsSingleClicksOnly());
}

} // namespace
} // namespace tarnivel

#include "tray_clicks_test.moc"
