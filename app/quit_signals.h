#pragma once

class QCoreApplication;

namespace tarnivel {

// Turns the process-ending requests of the platform (SIGTERM, SIGINT and SIGHUP on POSIX, the
// console's close and log-off events on Windows) into a clean QCoreApplication::quit(), so the
// main window's unload runs and the user's settings are stored.
void quitOnTerminationSignals(QCoreApplication& app);

} // namespace tarnivel
