// The registry, one key per application and section under the user's software branch:
// HKEY_CURRENT_USER\Software\Tarnivel\Settings. Every value is written on its own, so no store
// can be left half-written.
#include "app/user_store.h"

namespace tarnivel {

std::unique_ptr<QSettings> openUserStore(const QString& application, QSettings::Format)
{
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\") + application, QSettings::NativeFormat);
}

} // namespace tarnivel
