// The runtime folder, one name per display: a user may have a session on more than one. Qt
// checks that the folder is the user's own with mode 0700 ($XDG_RUNTIME_DIR, else runtime-<user>
// in the temporary folder) and gives none when neither is.
#include "app/instance_place.h"
#include "app/startup.h"

#include <QStandardPaths>

namespace tarnivel {

InstancePlace sessionInstancePlace()
{
    return {QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
            QString::fromStdString(instanceName(qgetenv("DISPLAY").toStdString(),
                                                qgetenv("WAYLAND_DISPLAY").toStdString()))};
}

} // namespace tarnivel
