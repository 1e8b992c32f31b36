// Build-time tool: writes the application icon into a hicolor theme folder, as PNGs of every
// size desktops ask for and as an SVG of the largest drawing.
//   tarnivel_icon_tool <theme folder> <icon name>
#include "packaging/icon_svg.h"
#include "resources/app_icon.h"
#include "resources/icons.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <theme folder> <icon name>\n", argv[0]);
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const auto folder = [&](const QString& size) {
        const QString path = theme + QStringLiteral("/%1/apps/").arg(size);
        QDir().mkpath(path);
        return path;
    };

    constexpr int sizes[] = {16, 32, 48, 64, 128};
    for (const int size : sizes) {
        const QString file =
            folder(QStringLiteral("%1x%1").arg(size)) + name + QStringLiteral(".png");
        if (!tarnivel::toImage(tarnivel::appIconPicture(size)).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    QFile svg(folder(QStringLiteral("scalable")) + name + QStringLiteral(".svg"));
    const std::string text = tarnivel::pictureToSvg(tarnivel::appIconPicture(sizes[4]));
    if (!svg.open(QIODevice::WriteOnly) ||
        svg.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
