// A file under the user's configuration folder: ~/.config/Tarnivel/Tarnivel.conf.
#include "app/settings.h"
#include "app/user_store.h"

namespace tarnivel {

std::unique_ptr<QSettings> openUserStore(QSettings::Format fileFormat)
{
    const QString name =
        QString::fromUtf8(kAppName.data(), static_cast<qsizetype>(kAppName.size()));
    return std::make_unique<QSettings>(fileFormat, QSettings::UserScope, name, name);
}

} // namespace tarnivel
