#pragma once

#include <QStringList>

#include <optional>

namespace tarnivel {

// Reads the command line before any window, setting or running meter is touched, so it works
// without a display. --help and --version print to standard output and end the process with
// status 0; an unknown option prints an error to standard error and gives a non-zero status to
// end with. Qt's own options (-platform, -display, -style ...) are left for QApplication.
// The hidden --exit asks the running meter to end and gives status 0 once none runs.
// Returns nothing when the program should start.
std::optional<int> answerCommandLine(const QStringList& arguments);

} // namespace tarnivel
