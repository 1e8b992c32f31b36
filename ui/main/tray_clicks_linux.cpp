// Linux desktops host tray icons either in an X11 tray, which hands Qt every click as it
// happens, or as D-Bus StatusNotifierItems (KDE Plasma, GNOME's AppIndicator extension), whose
// hosts only ever ask to "activate" an icon: Qt reports that as a single click. Qt takes the
// D-Bus way whenever a StatusNotifierItem host is registered, and so does this check.
#include "ui/main/tray_clicks.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace tarnivel {

bool traySendsSingleClicksOnly()
{
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusInterface hosts(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return hosts.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace tarnivel
