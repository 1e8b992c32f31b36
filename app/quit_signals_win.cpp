#include "app/quit_signals.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

namespace tarnivel {

namespace {

void queueQuit()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

// Runs on a thread that the system starts for the event. Ctrl+C and Ctrl+Break only ask: the
// quit is queued and the handler returns. Closing the console, log-off and shutdown end the
// process as soon as the handler returns, so for them it never does: the quit runs the main
// window's unload (aboutToQuit), which stores the settings, and main's return then ends the
// process with this thread in it. The system waits a few seconds for that.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        queueQuit();
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        queueQuit();
        Sleep(INFINITE);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

// The program is a GUI executable: the session's end reaches it as WM_QUERYENDSESSION and
// WM_ENDSESSION, and Qt emits aboutToQuit from the latter before returning to the system, so the
// main window's unload stores the settings in time. The console events cover a start from a
// console (or a console attached later).
void quitOnTerminationSignals(QCoreApplication&)
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

} // namespace tarnivel
