#include "app/quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tarnivel {

namespace {

// The handler may only do async-signal-safe work: it writes one byte into a socket pair, and
// the event loop reads it on the other end. One pair serves the whole process. The write end
// never blocks: when signals come faster than the loop reads, the bytes already waiting say
// enough and the write fails harmlessly. A byte written before the event loop runs waits for it.
int g_signalSocket[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    // The interrupted code may be about to read errno; a failed write must not change it.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSocket[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

void quitOnTerminationSignals(QCoreApplication& app)
{
    if (g_signalSocket[0] != -1)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSocket) != 0)
        return;

    auto* notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char bytes[64];
        while (::read(g_signalSocket[1], bytes, sizeof bytes) > 0) {
        }
        QCoreApplication::quit();
    });

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace tarnivel
