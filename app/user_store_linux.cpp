// A file under the user's configuration folder: ~/.config/Tarnivel/Tarnivel.conf.
#include "app/user_store.h"

namespace tarnivel {

std::unique_ptr<QSettings> openUserStore(const QString& application, QSettings::Format fileFormat)
{
    return std::make_unique<QSettings>(fileFormat, QSettings::UserScope, application, application);
}

} // namespace tarnivel
