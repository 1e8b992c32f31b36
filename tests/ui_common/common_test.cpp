#include "resources/app_icon.h"
#include "resources/icons.h"
#include "resources/logo.h"
#include "resources/tray_pictures.h"
#include "tests/support/picture_check.h"
#include "ui/common/link_label.h"
#include "ui/common/links.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnivel;

// Every picture the program draws: the application icon at each size it is installed in, the
// logo, and the 36 tray pictures (incoming level down, outgoing level across).
TEST(Pictures, IconsLogoAndTrayLevelsAsDrawn)
{
    QImage all(288 + kLogoWidth + 96, 128, QImage::Format_ARGB32);
    all.fill(Qt::transparent);
    QPainter painter(&all);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    int x = 0;
    for (const int size : {16, 32, 48, 64, 128}) {
        painter.drawImage(
            x, 0, size > 32 ? toImage(appIconPicture(size)) : appIcon().pixmap(size).toImage());
        x += size;
    }
    painter.drawPixmap(x, 0, logoPixmap());
    const QHash<QString, QIcon> tray = trayImageList();
    for (int i = 0; i < 36; ++i)
        painter.drawPixmap(x + kLogoWidth + i % 6 * 16, i / 6 * 16,
                           tray[QStringLiteral("d%1u%2").arg(i / 6).arg(i % 6)].pixmap(16));
    painter.end();
    expectPicture(all, QStringLiteral("pictures"));
    EXPECT_THROW(trayPicture(0, 6), std::out_of_range);
}

// Blue while new, purple once followed, red when opening failed, grey without a target (nothing
// to open, and no hand over it); only a left click opens it.
TEST(LinkLabel, ColourFollowsTheStateAndNoTargetDoesNothing)
{
    const QUrl home(QStringLiteral("https://example.org/"));
    LinkLabel link(QStringLiteral("Home"), home);
    // clang-format off
    const std::tuple<bool, bool, Qt::MouseButton, QColor> clicks[] = {
        {true, true, Qt::RightButton, Qt::blue}, {true, true, Qt::LeftButton, Qt::darkMagenta},
        {true, false, Qt::LeftButton, Qt::red}, {false, true, Qt::LeftButton, Qt::darkGray}};
    // clang-format on
    for (const auto& [target, opens, button, shown] : clicks) {
        link.setTarget(target ? home : QUrl());
        link.setOpener([opens = opens](const QUrl&) { return opens; });
        QTest::mouseClick(&link, button, {}, QPoint(2, 2));
        EXPECT_EQ(std::pair(link.palette().color(QPalette::WindowText), link.cursor().shape()),
                  std::pair(shown, target ? Qt::PointingHandCursor : Qt::ArrowCursor));
    }
}

// The guide link opens the HTML guide beside the program (the Windows installer's and zip's),
// else the one installed for it, else (as this test runs) the built copy with its pictures.
TEST(Links, GuideBesideTheProgramElseInstalledElseTheBuiltCopy)
{
    const QTemporaryDir prefix;
    for (const char* guide : {"share/doc/tarnivel/README.html", "share/README.html"}) {
        QFile file(prefix.filePath(guide));
        ASSERT_TRUE(QDir(prefix.path()).mkpath("share/doc/tarnivel") &&
                    file.open(QIODevice::WriteOnly));
        EXPECT_EQ(userGuide(prefix.filePath("share")),
                  QUrl::fromLocalFile(QFileInfo(file).canonicalFilePath()));
    }
    EXPECT_TRUE(QFile::exists(homePageLink().target.toLocalFile())) << "the built copy";
    EXPECT_EQ(userGuide(prefix.path()), homePageLink().target) << "not installed: the built copy";
}
