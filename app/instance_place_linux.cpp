// The runtime folder, one name per display: a user may have a session on more than one.
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
