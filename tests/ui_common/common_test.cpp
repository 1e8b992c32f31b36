#include "resources/logo.h"
#include "ui/common/link_label.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>
#include <vector>

namespace tarnivel {
namespace {

TEST(Logo, ScreenWithGridTraceAndName)
{
    const Picture logo = logoPicture();
    ASSERT_EQ(logo.width, 135);
    ASSERT_EQ(logo.height, 42);
    for (int y = 0; y < 42; ++y)
        for (int x = 0; x < 135; ++x) {
            const std::uint32_t pixel = logo.at(x, y);
            if (x < 2 || y < 2 || x > 132 || y > 39) {
                const bool shaded = x > 132 || y > 39;
                ASSERT_EQ(pixel, shaded ? kDarkGrey : kLightGrey) << x << "," << y;
            } else {
                ASSERT_TRUE(pixel == kBlack || pixel == kDarkGreen || pixel == kWhite)
                    << x << "," << y;
            }
        }

    // Left part: the grid every third pixel under a trace that is joined column to column.
    int previousTop = -1;
    int previousBottom = -1;
    for (int x = 4; x < 40; ++x) {
        std::vector<int> traced;
        for (int y = 2; y < 40; ++y) {
            const std::uint32_t pixel = logo.at(x, y);
            if (pixel == kWhite) {
                traced.push_back(y);
                continue;
            }
            const bool grid = (x - 2) % 3 == 2 || (y - 2) % 3 == 2;
            ASSERT_EQ(pixel, grid ? kDarkGreen : kBlack) << x << "," << y;
        }
        ASSERT_FALSE(traced.empty()) << "no trace in column " << x;
        ASSERT_EQ(traced.back() - traced.front() + 1, static_cast<int>(traced.size())) << x;
        if (previousTop >= 0) {
            EXPECT_TRUE(traced.front() <= previousBottom + 1 && traced.back() >= previousTop - 1)
                << "trace breaks at column " << x;
        }
        previousTop = traced.front();
        previousBottom = traced.back();
    }

    // Right part: white letters on black, no grid behind them.
    int lit = 0;
    for (int y = 14; y < 28; ++y)
        for (int x = 60; x < 128; ++x) {
            EXPECT_NE(logo.at(x, y), kDarkGreen) << x << "," << y;
            lit += logo.at(x, y) == kWhite;
        }
    EXPECT_GT(lit, 150);
}

void click(QWidget& widget)
{
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(2, 2));
}

TEST(LinkLabel, ColourFollowsTheStateAndNoTargetDoesNothing)
{
    int opened = 0;
    bool succeed = true;
    LinkLabel link(QStringLiteral("Home"), QUrl(QStringLiteral("https://example.org/")));
    link.setOpener([&](const QUrl& url) {
        EXPECT_EQ(url, QUrl(QStringLiteral("https://example.org/")));
        ++opened;
        return succeed;
    });
    link.resize(80, 16);
    const auto colour = [&] {
        return link.palette().color(QPalette::WindowText);
    };

    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.state(), LinkLabel::State::New);
    EXPECT_EQ(colour(), QColor(Qt::blue));
    click(link);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(link.state(), LinkLabel::State::Followed);
    EXPECT_EQ(colour(), QColor(0x80, 0x00, 0x80));
    succeed = false;
    click(link);
    EXPECT_EQ(link.state(), LinkLabel::State::Failed);
    EXPECT_EQ(colour(), QColor(Qt::red));
    QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(opened, 2);

    link.setTarget(QUrl());
    click(link);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(link.state(), LinkLabel::State::Disabled);
    EXPECT_EQ(colour(), QColor(0x80, 0x80, 0x80));
}

} // namespace
} // namespace tarnivel
