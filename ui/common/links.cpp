#include "ui/common/links.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarnivel {

namespace {

// The user guide: installed beside the program (<prefix>/bin and <prefix>/share/doc), or in
// the source tree when the program runs from its build folder.
QUrl userGuide()
{
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/tarnivel/README.md");
    for (const QString& path : {installed, QStringLiteral(TARNIVEL_SOURCE_DIR "/README.md")}) {
        const QFileInfo file(path);
        if (file.isFile())
            return QUrl::fromLocalFile(file.canonicalFilePath());
    }
    return {};
}

} // namespace

Link homePageLink()
{
    const QString page = QStringLiteral(TARNIVEL_HOME_PAGE);
    if (!page.isEmpty())
        return {QStringLiteral("Tarnivel home page"), QUrl(page)};
    return {QStringLiteral("Tarnivel user guide"), userGuide()};
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
