#pragma once

#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace tarnivel {

class frmMain;

// The meter window's tray icon and context menu. The icon is a small two-column level meter,
// chosen from ImageList1 on every tick (also as the window's own icon), with the rate line as
// tooltip; it stands in for the window while that hides in the tray. The menu toggles "Float",
// sends the window to the tray, opens the settings and ends the program.
class TrayMenu final {
public:
    // trayAvailable: whether the desktop shows a system tray; empty asks QSystemTrayIcon.
    // traySingleClicksOnly: whether the tray passes on single clicks only, never a double click
    // (the D-Bus trays of GNOME's extension and KDE Plasma); a click on the icon then restores
    // the window. Empty asks the desktop.
    TrayMenu(frmMain& meter, std::function<bool()> trayAvailable,
             std::function<bool()> traySingleClicksOnly);
    Q_DISABLE_COPY_MOVE(TrayMenu)

    // The picture for one tick's incoming and outgoing bytes, graded against the graph's scale.
    void UpdateTrayIcon(double vInDelta, double vOutDelta);
    // The tooltip: "Tarnivel: " and the rate line.
    void UpdateTrayTip(const QString& rateLine);
    // The key of the picture shown now; empty before the first tick.
    const QString& trayPictureKey() const noexcept { return m_trayKey; }

    void SendToTray();
    void RestoreFromTray();
    bool isInTray() const noexcept { return mbInTray; }
    // The window is gone: no icon may stay behind.
    void RemoveTrayIcon();
    QSystemTrayIcon& trayIcon() noexcept { return *m_trayIcon; }

    // The context menu at a place on the screen (the cursor's by default), and the menu itself,
    // built for one showing and owned by the caller alone (no QObject parent).
    void ShowPopupMenu(const QPoint& at = QCursor::pos());
    std::unique_ptr<QMenu> buildPopupMenu();

private:
    bool trayAvailable() const;

    frmMain& m_meter;
    std::function<bool()> m_trayAvailable;
    std::function<bool()> m_askSingleClicksOnly;
    QSystemTrayIcon* m_trayIcon; // a child of the meter window
    QHash<QString, QIcon> ImageList1;
    QString m_trayKey;
    bool mbInTray = false;
    bool m_traySingleClicksOnly = false;
};

} // namespace tarnivel
