#include "ui/common/links.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarnivel {

QUrl userGuide(const QString& programFolder)
{
    const QString beside = programFolder + QStringLiteral("/README.html");
    const QString installed = programFolder + QStringLiteral("/../share/doc/tarnivel/README.html");
    for (const QString& path :
         {beside, installed, QStringLiteral(TARNIVEL_GUIDE_DIR "/README.html")}) {
        const QFileInfo file(path);
        if (file.isFile())
            return QUrl::fromLocalFile(file.canonicalFilePath());
    }
    return {};
}

Link homePageLink()
{
    const QString page = QStringLiteral(TARNIVEL_HOME_PAGE);
    if (!page.isEmpty())
        return {QStringLiteral("Tarnivel home page"), QUrl(page)};
    return {QStringLiteral("Tarnivel user guide"),
            userGuide(QCoreApplication::applicationDirPath())};
}

Link contactLink()
{
    const QString address = QStringLiteral(TARNIVEL_CONTACT);
    QUrl target;
    if (!address.isEmpty())
        target = address.contains(QLatin1Char(':')) ? QUrl(address)
                                                    : QUrl(QStringLiteral("mailto:") + address);
    return {QStringLiteral("Email the author"), target};
}

} // namespace tarnivel
