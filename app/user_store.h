#pragma once

#include <QSettings>

#include <memory>

namespace tarnivel {

// The user's own settings store, where the platform keeps such things. fileFormat: the format
// of a settings file, where the platform keeps them in files. One implementation per platform,
// chosen by the build.
std::unique_ptr<QSettings> openUserStore(QSettings::Format fileFormat);

} // namespace tarnivel
