#include "resources/logo.h"
#include "ui/common/link_label.h"
#include "ui/common/links.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnivel;

// Left of the name, a trace runs across the logo's screen, one run of white in each column joined
// to the next, over a grid every third pixel on black.
TEST(Logo, TraceRunsJoinedAcrossTheGrid)
{
    const Picture logo = logoPicture();
    std::vector<int> last{0, 99}, rows; // the trace's rows in the column before, in this one
    for (int x = 4; x < 40; ++x) {
        for (int y = 2; y < 40; ++y)
            if (logo.at(x, y) == kWhite)
                rows.push_back(y);
            else
                ASSERT_EQ(logo.at(x, y), (x + 2) % 3 && (y + 2) % 3 ? kBlack : kDarkGreen);
        ASSERT_TRUE(!rows.empty() && rows.back() - rows.front() + 1 == std::ssize(rows) &&
                    rows.front() <= last.back() + 1 && rows.back() >= last.front() - 1);
        last = std::exchange(rows, {});
    }
}

// Blue while new, purple once followed, red when opening failed, grey without a target (nothing
// to open); only a left click opens it.
TEST(LinkLabel, ColourFollowsTheStateAndNoTargetDoesNothing)
{
    const QUrl home(QStringLiteral("https://example.org/"));
    LinkLabel link(QStringLiteral("Home"), home);
    const std::tuple<bool, bool, Qt::MouseButton, QColor> clicks[] = {
        {true, true, Qt::RightButton, Qt::blue},
        {true, true, Qt::LeftButton, Qt::darkMagenta},
        {true, false, Qt::LeftButton, Qt::red},
        {false, true, Qt::LeftButton, Qt::darkGray}};
    for (const auto& [target, opens, button, shown] : clicks) {
        link.setTarget(target ? home : QUrl());
        link.setOpener([opens = opens](const QUrl&) { return opens; });
        QTest::mouseClick(&link, button, {}, QPoint(2, 2));
        EXPECT_EQ(link.palette().color(QPalette::WindowText), shown);
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
