// Tarnivel: a small network-traffic meter. Starts the meter window (or, on a first run, what
// stands in for the first-run wizard) and runs until the last window is gone.
#include "app/platform_choice.h"
#include "app/qsettings_backend.h"
#include "app/quit_signals.h"
#include "sampling/counter_source.h"
#include "ui/main/main_window.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>

int main(int argc, char* argv[])
{
    // On X11, Qt hands painted windows to the server through shared memory and then waits for
    // the server's completion event: two extra wake-ups a second for a window this small. A
    // plain socket transfer costs the same CPU. Other platforms ignore the variable.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    if (const char* platform = tarnivel::forcedQpaPlatform(
            std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"), std::getenv("QT_QPA_PLATFORM")))
        qputenv("QT_QPA_PLATFORM", platform);
    // Ties the windows to the installed desktop entry (and its icon) on Wayland.
    QApplication::setDesktopFileName(QStringLiteral(TARNIVEL_APP_ID));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnivel"));
    // Hiding the meter in the tray closes no window; the program ends on "Exit" or a quit.
    QApplication::setQuitOnLastWindowClosed(false);
    tarnivel::quitOnTerminationSignals(app);

    tarnivel::QSettingsBackend settings;
    const auto counters = tarnivel::makeSystemCounterSource();

    // chooseStartWindow() tells a first run from a later one; until the first-run wizard
    // exists, both open the meter (a first run with the default settings), and nothing marks
    // the first run as done.
    tarnivel::frmMain meter({settings, *counters, std::chrono::steady_clock::now, {}, {}});
    meter.show();
    return app.exec();
}
