#include "resources/app_icon.h"
#include "resources/tray_pictures.h"
#include "ui/main/tray_levels.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tarnivel {
namespace {

TEST(TrayLevel, GradesHalvesToEvenCapsAtFiveAndNeedsA16BitNumber)
{
    // At a scale of 100000: 1.5 -> 2, 4.5 -> 4, and no lower bound.
    const std::pair<double, int> rows[] = {{8000, 0},  {9000, 1},  {25000, 2},  {41667, 3},
                                           {75000, 4}, {75001, 5}, {500000, 5}, {-20000, -1}};
    for (const auto& [delta, level] : rows)
        EXPECT_EQ(trayLevel(delta, 1e5), level) << delta;
    EXPECT_EQ(trayLevel(0, 0), std::nullopt); // no scale
    EXPECT_EQ(trayLevel(32767.0 / 6, 1), 5);  // the quotient must fit 16 bits
    EXPECT_EQ(trayLevel(32768.0 / 6, 1), std::nullopt);
    EXPECT_EQ(trayLevel(-32768.0 / 6, 1), -32768);
    EXPECT_EQ(trayLevel(-32769.0 / 6, 1), std::nullopt);
    EXPECT_EQ(trayIconKey(-20000, 0, 1e5), "d5u5"); // a fall of either sum
    EXPECT_EQ(trayIconKey(0, -20000, 1e5), "d5u5");
    EXPECT_EQ(trayIconKey(0, 1e12, 1e5), "d5u5"); // a first tick's whole counter sums
}

// The rule the 36 tray pictures follow, pixel by pixel: a transparent first column, black
// borders, and per direction five two-row segments from the bottom, bright up to the level.
std::uint32_t expectedTrayPixel(int dl, int ul, int x, int y)
{
    if (x == 0)
        return 0x00000000;
    if (y % 3 == 0 || x == 1 || x == 8 || x == 15)
        return 0xFF000000;
    const bool lit = (14 - y) / 3 < (x <= 7 ? dl : ul); // rows 13-14 are segment 0
    return x <= 7 ? (lit ? 0xFFFF0000 : 0xFF800000) : (lit ? 0xFF00FF00 : 0xFF008000);
}

TEST(TrayPictures, EveryPictureFollowsThePixelRule)
{
    for (int dl = 0; dl < kTrayLevelCount; ++dl)
        for (int ul = 0; ul < kTrayLevelCount; ++ul) {
            const Picture picture = trayPicture(dl, ul);
            ASSERT_EQ(picture.pixels.size(), 256u);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    ASSERT_EQ(picture.at(x, y), expectedTrayPixel(dl, ul, x, y))
                        << "d" << dl << "u" << ul << " at " << x << "," << y;
        }
    EXPECT_THROW(trayPicture(6, 0), std::out_of_range);
    EXPECT_THROW(trayPicture(0, -1), std::out_of_range);
}

// The application icon's rule at 16 and 32 pixels (k = 1 or 2 pixels per unit): a screen over
// the full width from row k to row 12k - 1, framed k pixels thick in grey; inside, black with a
// dark-green grid line every 3 pixels across and down, under a white zig-zag trace that runs
// joined from the left edge to the right one; above the screen nothing, below it a grey stand.
TEST(AppIcon, FollowsThePixelRuleAtBothSizes)
{
    constexpr std::uint32_t kGreys[] = {0xFFC0C0C0, 0xFF808080};
    const auto isGrey = [&kGreys](std::uint32_t p) {
        return p == kGreys[0] || p == kGreys[1];
    };
    for (const int size : {16, 32}) {
        const Picture icon = appIconPicture(size);
        ASSERT_EQ(icon.pixels.size(), static_cast<std::size_t>(size * size));
        const int k = size / 16;
        const int left = k, right = size - 1 - k, top = 2 * k, bottom = 11 * k - 1; // inside
        int turns = 0, lastStep = 0, previousFrom = -1, previousTo = -1;
        for (int x = 0; x < size; ++x) {
            int from = -1, to = -1; // the trace's rows in this column
            for (int y = 0; y < size; ++y) {
                const std::uint32_t p = icon.at(x, y);
                const auto where = "at " + std::to_string(x) + "," + std::to_string(y) + " of " +
                                   std::to_string(size);
                if (y < k) {
                    EXPECT_EQ(p, kTransparent) << where;
                } else if (y >= 12 * k) {
                    EXPECT_TRUE(p == kTransparent || isGrey(p)) << where; // the stand
                } else if (x < left || x > right || y < top || y > bottom) {
                    EXPECT_TRUE(isGrey(p)) << "frame " << where;
                } else if (p == 0xFFFFFFFF) {
                    EXPECT_TRUE(from < 0 || to == y - 1) << "one run per column " << where;
                    from = from < 0 ? y : from;
                    to = y;
                } else {
                    const bool grid = (x - left) % 3 == 2 || (y - top) % 3 == 2;
                    EXPECT_EQ(p, grid ? 0xFF008000 : kBlack) << where;
                }
            }
            if (x < left || x > right)
                continue;
            ASSERT_GE(from, 0) << "no trace in column " << x << " of " << size;
            if (previousFrom >= 0) { // joined: the runs of neighbouring columns touch
                EXPECT_TRUE(from <= previousTo + 1 && to >= previousFrom - 1) << x;
                const int step = (from + to) - (previousFrom + previousTo);
                if (step != 0 && lastStep != 0 && (step > 0) != (lastStep > 0))
                    ++turns;
                lastStep = step != 0 ? step : lastStep;
            }
            previousFrom = from;
            previousTo = to;
        }
        EXPECT_GE(turns, 2) << "a zig-zag, not a slope, at " << size;
    }
}

} // namespace
} // namespace tarnivel
