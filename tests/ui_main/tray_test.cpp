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

} // namespace
} // namespace tarnivel
