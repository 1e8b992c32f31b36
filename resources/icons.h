#pragma once

#include "resources/picture.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace tarnivel {

QImage toImage(const Picture& picture);

// The application icon at 16 and 32 pixels.
QIcon appIcon();

// The logo picture, 135 x 42 pixels.
QPixmap logoPixmap();

// The 36 tray level pictures keyed "d0u0" to "d5u5" ("d" incoming level "u" outgoing level).
QHash<QString, QIcon> trayImageList();

} // namespace tarnivel
