#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace tarnivel {

// A configuration folder ($XDG_CONFIG_HOME) of the test's own for as long as this lives; the
// user's is never touched.
class ConfigHome {
public:
    ConfigHome() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path())); }
    ~ConfigHome() { qputenv("XDG_CONFIG_HOME", m_old); }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QByteArray m_old = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir m_dir;
};

} // namespace tarnivel
