#include "resources/icons.h"

#include "resources/app_icon.h"
#include "resources/logo.h"
#include "resources/tray_pictures.h"

namespace tarnivel {

QImage toImage(const Picture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            image.setPixel(x, y, picture.at(x, y));
    return image;
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(toImage(appIconPicture(size))));
    return icon;
}

QPixmap logoPixmap()
{
    return QPixmap::fromImage(toImage(logoPicture()));
}

QHash<QString, QIcon> trayImageList()
{
    QHash<QString, QIcon> list;
    for (int dl = 0; dl < kTrayLevelCount; ++dl)
        for (int ul = 0; ul < kTrayLevelCount; ++ul)
            list.insert(QStringLiteral("d%1u%2").arg(dl).arg(ul),
                        QIcon(QPixmap::fromImage(toImage(trayPicture(dl, ul)))));
    return list;
}

} // namespace tarnivel
