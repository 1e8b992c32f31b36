#include "app/quit_signals.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

namespace tarnivel {

namespace {

// Runs on a thread of the console subsystem; the quit is queued onto the event loop's thread.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

// A GUI program's log-off and shutdown arrive as window messages, which Qt already turns into
// an orderly quit; the console events cover a start from a console.
void quitOnTerminationSignals(QCoreApplication&)
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

} // namespace tarnivel
