#include "app/quit_signals.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tarnivel;

// Signals raised before the event loop runs, many more than it reads at once: none may block
// the handler or change errno, and the loop, once running, quits once with aboutToQuit (where
// the meter stores its settings).
TEST(QuitSignals, SignalsBeforeTheLoopEndItOnceAndKeepErrno)
{
    alarm(20); // a handler that blocks on a full socket would hang here: end the test instead
    quitOnTerminationSignals(*QCoreApplication::instance());
    int aboutToQuit = 0;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&aboutToQuit] { ++aboutToQuit; });
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        aboutToQuit = 0;
        int changed = 0;
        for (int i = 0; i < 5000; ++i, changed += errno != EDOM) { // beyond a socket's buffer
            errno = EDOM;
            std::raise(signal);
        }
        EXPECT_EQ(changed, 0) << "errno changed by the handler of signal " << signal;
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(aboutToQuit, 1) << signal;
    }
}
