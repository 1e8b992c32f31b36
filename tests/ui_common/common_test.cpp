#include "resources/logo.h"
#include "ui/common/link_label.h"
#include "ui/common/links.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <tuple>

namespace tarnivel {
namespace {

// Left of the name, a trace runs across the logo's screen, one run of white in each column joined
// to the next, over a grid every third pixel on black.
TEST(Logo, TraceRunsJoinedAcrossTheGrid)
{
    const Picture logo = logoPicture();
    ASSERT_EQ(QSize(logo.width, logo.height), QSize(135, 42));
    int previousTop = -1, previousBottom = -1;
    for (int x = 4; x < 40; ++x) {
        int top = -1, bottom = -1; // the trace's rows in this column
        for (int y = 2; y < 40; ++y) {
            if (logo.at(x, y) != kWhite) {
                const bool grid = (x - 2) % 3 == 2 || (y - 2) % 3 == 2;
                ASSERT_EQ(logo.at(x, y), grid ? kDarkGreen : kBlack) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(top < 0 || bottom == y - 1) << "one run in column " << x;
            top = top < 0 ? y : top;
            bottom = y;
        }
        ASSERT_GE(top, 0) << "no trace in column " << x;
        EXPECT_TRUE(previousTop < 0 || (top <= previousBottom + 1 && bottom >= previousTop - 1))
            << "break at " << x;
        previousTop = top;
        previousBottom = bottom;
    }
}

// Blue while new, purple once followed, red when opening failed, grey without a target; only a
// left click opens it.
TEST(LinkLabel, ColourFollowsTheStateAndNoTargetDoesNothing)
{
    const QUrl home(QStringLiteral("https://example.org/"));
    QList<QUrl> opened;
    bool succeed = true;
    LinkLabel link(QStringLiteral("Home"), home);
    link.setOpener([&](const QUrl& url) { return opened << url, succeed; });
    link.resize(80, 16);
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.palette().color(QPalette::WindowText), Qt::blue);
    const std::tuple<bool, Qt::MouseButton, QColor> clicks[] = {
        {true, Qt::LeftButton, Qt::darkMagenta},
        {false, Qt::LeftButton, Qt::red},
        {false, Qt::RightButton, Qt::red}};
    for (const auto& [opens, button, shown] : clicks) {
        succeed = opens;
        QTest::mouseClick(&link, button, {}, QPoint(2, 2));
        EXPECT_EQ(link.palette().color(QPalette::WindowText), shown);
    }
    link.setTarget(QUrl());
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), Qt::darkGray);
    EXPECT_EQ(opened, QList<QUrl>({home, home}));
}

// Installed, the guide link opens the HTML guide beside the program; from the build folder (as
// this test runs), the built copy with its pictures.
TEST(Links, GuideIsTheInstalledHtmlElseTheBuiltCopy)
{
    const QTemporaryDir prefix;
    const QString installed = prefix.filePath(QStringLiteral("share/doc/tarnivel/README.html"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")) &&
                QDir(prefix.path()).mkpath(QStringLiteral("share/doc/tarnivel")));
    ASSERT_TRUE(QFile(installed).open(QIODevice::WriteOnly));
    EXPECT_EQ(userGuide(prefix.filePath(QStringLiteral("bin"))),
              QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath()));

    EXPECT_TRUE(QFile::exists(homePageLink().target.toLocalFile())) << "the built copy";
    EXPECT_EQ(userGuide(prefix.path()), homePageLink().target) << "not installed: the built copy";
}

} // namespace
} // namespace tarnivel
