#pragma once

#include <QFile>
#include <QTemporaryDir>

namespace tarnivel {

// A configuration folder ($XDG_CONFIG_HOME) of the test's own for as long as this lives; the
// user's is never touched.
struct ConfigHome : QTemporaryDir {
    ConfigHome() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(path())); }
    ~ConfigHome() { qputenv("XDG_CONFIG_HOME", old); }

    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
};

} // namespace tarnivel
