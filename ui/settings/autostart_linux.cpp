// Starting with the desktop session on Linux: an XDG autostart entry
// $XDG_CONFIG_HOME/autostart/<name>.desktop (~/.config/autostart without the variable).
#include "ui/settings/autostart.h"
#include "ui/settings/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace tarnivel {

namespace {

// Empty when the system names no configuration folder.
QString entryPath(std::string_view sValueName)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    return config + QStringLiteral("/autostart/") +
           QString::fromUtf8(sValueName.data(), static_cast<qsizetype>(sValueName.size())) +
           QStringLiteral(".desktop");
}

} // namespace

bool IsInRunKey(std::string_view sValueName)
{
    QFile file(entryPath(sValueName));
    if (file.fileName().isEmpty() || !file.exists())
        return false;
    // An entry we may not read is still there for the session.
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return !isSwitchedOffEntry(file.readAll().toStdString());
}

void SetRunKey(std::string_view sValueName, const std::filesystem::path& sProgram, bool bAdd)
{
    const QString path = entryPath(sValueName);
    if (path.isEmpty())
        return;
    if (!bAdd) {
        QFile::remove(path);
        return;
    }
    // Without a program file to name, an entry would start nothing: keep what is there.
    if (sProgram.empty() || !QDir().mkpath(QFileInfo(path).path()))
        return;
    // Written beside the entry and renamed over it: a failure leaves the old entry or none.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const std::string entry = autostartEntry(sValueName, sProgram.string());
    file.write(entry.data(), static_cast<qint64>(entry.size()));
    file.commit();
}

} // namespace tarnivel
