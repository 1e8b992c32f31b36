#pragma once

#include "app/settings.h"
#include "sampling/counter_source.h"
#include "sampling/rate_sampler.h"
#include "sampling/traffic_counter_reader.h"
#include "ui/main/tray_menu.h"

#include <QLoggingCategory>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;

namespace tarnivel {

Q_DECLARE_LOGGING_CATEGORY(lcTick)

class ctlScrollGraph2;
class frmSettings;

// What the meter window needs from outside; tests pass fakes.
struct MainWindowDeps {
    SettingsBackend& settings;
    CounterSource& counters;
    MonotonicClock clock;
    // Whether the desktop shows a system tray; empty asks QSystemTrayIcon.
    std::function<bool()> trayAvailable;
    // Ends the program once the meter has unloaded ("Exit" or any close of the window); empty
    // calls QCoreApplication::quit.
    std::function<void()> quit;
    // Whether the tray passes on single clicks only, never a double click (the D-Bus trays of
    // GNOME's extension and KDE Plasma); a click on the icon then restores the window. Empty
    // asks the desktop.
    std::function<bool()> traySingleClicksOnly;
};

// The meter window: the scrolling graph with the rate line beneath it, the sampling timer, and
// the tray icon with the context menu (tray_menu.h). Loads the settings when constructed, stores
// them once when it closes or the application quits; closing it ends the program.
class frmMain final : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(MainWindowDeps deps, QWidget* parent = nullptr);
    ~frmMain() override;
    Q_DISABLE_COPY_MOVE(frmMain)

    std::uint8_t Opacity() const noexcept { return mbytOpacity; }
    void setOpacity(std::uint8_t nOpacity);
    bool isFloat() const noexcept { return mbFloat; }
    // Keeps the window's place, size, opacity and shape: only the stacking changes.
    void setFloat(bool bFloat);

    ctlScrollGraph2& graDU() noexcept { return *m_graDU; }
    QLabel& lblDisplay() noexcept { return *m_lblDisplay; }
    const QTimer& Timer1() const noexcept { return m_timer1; }
    TrayMenu& tray() noexcept { return m_tray; }

    // One sampling tick; the timer calls it every second. Never throws.
    void Timer1_Timer();

    // Another start of the program asked for the meter: out of the tray, on top, active.
    void BringForward();

    // "Settings...": the settings dialog, created at the first call and kept, loaded and shown
    // or brought forward.
    void ShowSettings();
    // Null until the first "Settings...".
    frmSettings* settingsDialog() const noexcept { return mfrmSettings; }

    // "Exit": closes every window of the program, this one storing its settings, and ends it.
    void exitProgram();

    // Stores the settings; runs once, whichever way the window goes.
    void Form_Unload();
    // Writes the live settings to the store as the unload does. Every change the user makes is
    // stored at once too: a lost display ends the program without an unload.
    void StoreSettings();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, System, Move, Resize };

    void Form_Load();
    void Form_Resize();
    void ApplyWindowShape();
    void graDU_MouseMove(short Button, short Shift, float X, float Y);
    void graDU_MouseUp(short Button, short Shift, float X, float Y);
    void lblDisplay_MouseDown(Qt::MouseButton button);
    void beginDrag(Drag kind, bool systemAllowed);
    bool followDrag(const QPoint& globalPos);
    void quitProgram();
    void mfrmSettings_Unloaded();

    MainWindowDeps m_deps;
    TrafficCounterReader m_reader;
    RateSampler m_sampler;

    ctlScrollGraph2* m_graDU = nullptr;
    QLabel* m_lblDisplay = nullptr;
    QTimer m_timer1;
    // Stores the size once a resize has come to rest, not at each of its steps.
    QTimer m_resizeStore;
    TrayMenu m_tray;
    char m_decimalPoint = '.';

    bool mbFloat = true;
    std::uint8_t mbytOpacity = 255;
    // A child of this window once created. Set while the settings dialog is open; the tick
    // hands it the totals then.
    frmSettings* mfrmSettings = nullptr;
    bool mbSettingsOpen = false;
    bool bStarted = false;
    bool m_unloaded = false;
    bool m_quitRequested = false;

    // Moving or resizing by following the mouse, where the platform has no system move/resize.
    Drag m_drag = Drag::None;
    QPoint m_pointerGlobal;
    QPoint m_dragStartPointer;
    QRect m_dragStartGeometry;
};

} // namespace tarnivel
