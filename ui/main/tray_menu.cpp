#include "ui/main/tray_menu.h"

#include "graph/scroll_graph.h"
#include "resources/icons.h"
#include "ui/main/main_window.h"
#include "ui/main/tray_clicks.h"
#include "ui/main/tray_levels.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWindow>

namespace tarnivel {

namespace {

const QString kTipPrefix = QStringLiteral("Tarnivel: ");

} // namespace

TrayMenu::TrayMenu(frmMain& meter, std::function<bool()> trayAvailable,
                   std::function<bool()> traySingleClicksOnly)
    : m_meter(meter), m_trayAvailable(std::move(trayAvailable)),
      m_askSingleClicksOnly(std::move(traySingleClicksOnly)),
      m_trayIcon(new QSystemTrayIcon(&meter)), ImageList1(trayImageList())
{
    // Until the first tick: the application icon and the program's name.
    m_trayIcon->setIcon(appIcon());
    m_trayIcon->setToolTip(QStringLiteral("Tarnivel"));
    // Only a double click restores; where the tray knows no double click, a click.
    QObject::connect(m_trayIcon, &QSystemTrayIcon::activated, &meter,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick ||
                             (reason == QSystemTrayIcon::Trigger && m_traySingleClicksOnly))
                             RestoreFromTray();
                     });
}

void TrayMenu::UpdateTrayIcon(double vInDelta, double vOutDelta)
{
    QString key = QString::fromStdString(
        trayIconKey(vInDelta, vOutDelta, static_cast<double>(m_meter.graDU().MaxValue())));
    auto picture = ImageList1.constFind(key);
    if (picture == ImageList1.constEnd()) {
        key = QString::fromUtf8(kFallbackTrayKey.data(),
                                static_cast<qsizetype>(kFallbackTrayKey.size()));
        picture = ImageList1.constFind(key);
    }
    // Unchanged pictures are not handed to the window system again: the meter stays quiet.
    if (key == m_trayKey || picture == ImageList1.constEnd())
        return;
    m_trayKey = key;
    m_meter.setWindowIcon(*picture);
    m_trayIcon->setIcon(*picture);
}

void TrayMenu::UpdateTrayTip(const QString& rateLine)
{
    // Text built anew but unchanged is not handed over either.
    const QString tip = kTipPrefix + rateLine;
    if (tip != m_trayIcon->toolTip())
        m_trayIcon->setToolTip(tip);
}

std::unique_ptr<QMenu> TrayMenu::buildPopupMenu()
{
    // The caller owns the menu; no QObject parent shares that ownership.
    auto menu = std::make_unique<QMenu>();
    QAction* floatItem = menu->addAction(QStringLiteral("Float"));
    floatItem->setCheckable(true);
    floatItem->setChecked(m_meter.isFloat());
    QObject::connect(floatItem, &QAction::triggered, &m_meter, [this] {
        m_meter.setFloat(!m_meter.isFloat());
        m_meter.StoreSettings();
    });

    QAction* trayItem = menu->addAction(QStringLiteral("Send To Tray"));
    // Without a tray the window could not be brought back.
    trayItem->setEnabled(trayAvailable());
    QObject::connect(trayItem, &QAction::triggered, &m_meter, [this] { SendToTray(); });

    QAction* settingsItem = menu->addAction(QStringLiteral("Settings..."));
    QObject::connect(settingsItem, &QAction::triggered, &m_meter, &frmMain::ShowSettings);

    menu->addSeparator();
    QAction* exitItem = menu->addAction(QStringLiteral("Exit"));
    QObject::connect(exitItem, &QAction::triggered, &m_meter, &frmMain::exitProgram);
    return menu;
}

void TrayMenu::ShowPopupMenu(const QPoint& at)
{
    const std::unique_ptr<QMenu> menu = buildPopupMenu();
    menu->exec(at);
}

bool TrayMenu::trayAvailable() const
{
    return m_trayAvailable ? m_trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayMenu::SendToTray()
{
    if (mbInTray || !trayAvailable())
        return;
    m_traySingleClicksOnly =
        m_askSingleClicksOnly ? m_askSingleClicksOnly() : traySendsSingleClicksOnly();
    m_trayIcon->show();
    m_meter.hide();
    mbInTray = true;
}

void TrayMenu::RestoreFromTray()
{
    if (!mbInTray)
        return;
    m_trayIcon->hide();
    // Under X11 a window whose stacking changed gets a new native window when shown again, and
    // the window manager places it anew unless the program set the position itself: set it to
    // where the user left the window.
    if (QWindow* window = m_meter.windowHandle())
        window->setPosition(m_meter.pos());
    m_meter.showNormal();
    mbInTray = false;
}

void TrayMenu::RemoveTrayIcon()
{
    m_trayIcon->hide();
}

} // namespace tarnivel
