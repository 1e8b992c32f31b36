#include "resources/logo.h"
#include "ui/common/link_label.h"
#include "ui/common/links.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

namespace tarnivel {
namespace {

// A screen framed light grey with a dark shade; on the left a grid every third pixel under a
// trace joined column to column, on the right white letters with no grid behind them.
TEST(Logo, ScreenWithGridTraceAndName)
{
    const Picture logo = logoPicture();
    ASSERT_EQ(logo.width, 135);
    ASSERT_EQ(logo.height, 42);
    int previousTop = -1, previousBottom = -1, lit = 0;
    for (int x = 0; x < 135; ++x) {
        int top = -1, bottom = -1; // the trace's rows in this column
        for (int y = 0; y < 42; ++y) {
            const std::uint32_t pixel = logo.at(x, y);
            if (x < 2 || y < 2 || x > 132 || y > 39) {
                ASSERT_EQ(pixel, x > 132 || y > 39 ? kDarkGrey : kLightGrey) << x << "," << y;
            } else if (x < 4 || x >= 40) {
                const bool name = x >= 60 && x < 128 && y >= 14 && y < 28;
                ASSERT_TRUE(pixel == kBlack || pixel == kWhite || (pixel == kDarkGreen && !name))
                    << x << "," << y;
                lit += name && pixel == kWhite;
            } else if (pixel == kWhite) {
                ASSERT_TRUE(top < 0 || bottom == y - 1) << "one run in column " << x;
                top = top < 0 ? y : top;
                bottom = y;
            } else {
                const bool grid = (x - 2) % 3 == 2 || (y - 2) % 3 == 2;
                ASSERT_EQ(pixel, grid ? kDarkGreen : kBlack) << x << "," << y;
            }
        }
        if (x < 4 || x >= 40)
            continue;
        ASSERT_GE(top, 0) << "no trace in column " << x;
        if (previousTop >= 0) {
            EXPECT_TRUE(top <= previousBottom + 1 && bottom >= previousTop - 1) << "break at " << x;
        }
        previousTop = top;
        previousBottom = bottom;
    }
    EXPECT_GT(lit, 150);
}

TEST(LinkLabel, ColourFollowsTheStateAndNoTargetDoesNothing)
{
    const QUrl home(QStringLiteral("https://example.org/"));
    int opened = 0;
    bool succeed = true;
    LinkLabel link(QStringLiteral("Home"), home);
    link.setOpener([&](const QUrl& url) {
        EXPECT_EQ(url, home);
        ++opened;
        return succeed;
    });
    link.resize(80, 16);
    EXPECT_TRUE(link.font().underline());
    const auto click = [&link](Qt::MouseButton button) {
        QTest::mouseClick(&link, button, {}, QPoint(2, 2));
    };
    using State = LinkLabel::State;
    const struct {
        std::function<void()> act;
        State state;
        QColor colour;
        int opened;
    } steps[] = {
        {[] {}, State::New, Qt::blue, 0},
        {[&] { click(Qt::LeftButton); }, State::Followed, QColor(0x80, 0x00, 0x80), 1},
        {[&] { succeed = false, click(Qt::LeftButton); }, State::Failed, Qt::red, 2},
        {[&] { click(Qt::RightButton); }, State::Failed, Qt::red, 2},
        {[&] { link.setTarget(QUrl()), click(Qt::LeftButton); }, State::Disabled,
         QColor(0x80, 0x80, 0x80), 2},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(link.state(), step.state);
        EXPECT_EQ(link.palette().color(QPalette::WindowText), step.colour);
        EXPECT_EQ(opened, step.opened);
    }
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

    const Link link = homePageLink();
    EXPECT_EQ(link.text, "Tarnivel user guide");
    const QFileInfo built(link.target.toLocalFile());
    EXPECT_EQ(built.fileName(), "README.html");
    EXPECT_TRUE(built.dir().exists(QStringLiteral("docs/screenshots/meter.png")))
        << built.filePath().toStdString();
    EXPECT_EQ(userGuide(prefix.path()), link.target) << "not installed: the built copy";
}

} // namespace
} // namespace tarnivel
