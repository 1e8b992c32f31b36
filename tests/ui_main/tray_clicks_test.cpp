// Runs in a D-Bus session of its own (dbus-run-session), where it plays the desktop's tray host.
#include "ui/main/tray_clicks.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

using namespace tarnivel;

// The part of a StatusNotifierItem watcher that tells whether a host shows the icons.
class Watcher final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered MEMBER m_host)
    bool m_host = false;
};

TEST(TrayClicks, OnlyAStatusNotifierHostPassesOnSingleClicksOnly)
{
    EXPECT_FALSE(traySendsSingleClicksOnly()) << "no watcher: an X11 tray, or none";
    Watcher watcher;
    ASSERT_TRUE(QDBusConnection::sessionBus().registerObject("/StatusNotifierWatcher", &watcher,
                                                             QDBusConnection::ExportAllProperties));
    ASSERT_TRUE(QDBusConnection::sessionBus().registerService("org.kde.StatusNotifierWatcher"));
    EXPECT_FALSE(traySendsSingleClicksOnly()) << "a watcher without a host shows no icons";
    watcher.setProperty("IsStatusNotifierHostRegistered", true);
    EXPECT_TRUE(traySendsSingleClicksOnly());
}

#include "tray_clicks_test.moc"
