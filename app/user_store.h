#pragma once

#include <QSettings>

#include <memory>

namespace tarnivel {

// The application's store of the user's settings, where the platform keeps such things.
// fileFormat: the format of a settings file, where the platform keeps them in files. One
// implementation per platform, chosen by the build.
std::unique_ptr<QSettings> openUserStore(const QString& application, QSettings::Format fileFormat);

} // namespace tarnivel
