#include "resources/tray_pictures.h"
#include "ui/main/tray_levels.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tarnivel;

// Sixths of the scale, halves to even (1.5 -> 2, 4.5 -> 4), capped at five with no lower bound;
// the quotient must fit 16 bits. No level, or a fall of either sum, shows the fallback picture.
// clang-format off
TEST(TrayLevel, GradesHalvesToEvenCapsAtFiveAndNeedsA16BitNumber)
{
    const std::tuple<double, double, std::optional<int>> levels[] = {{9000, 1e5, 1},
        {25000, 1e5, 2}, {75000, 1e5, 4}, {500000, 1e5, 5}, {-20000, 1e5, -1}, {0, 0, {}},
        {32768.0 / 6, 1, {}}, {-32768.0 / 6, 1, -32768}, {-32769.0 / 6, 1, {}}};
    for (const auto& [delta, scale, level] : levels)
        EXPECT_EQ(trayLevel(delta, scale), level) << delta << " of " << scale;
    const std::tuple<double, double, const char*> keys[] = {
        {9000, 25000, "d1u2"}, {-20000, 0, "d5u5"}, {0, -20000, "d5u5"}, {0, 1e12, "d5u5"}};
    for (const auto& [in, out, key] : keys)
        EXPECT_EQ(trayIconKey(in, out, 1e5), key) << in << ' ' << out;
}
// clang-format on

// The rule the 36 tray pictures follow, pixel by pixel: a transparent first column, black
// borders, and per direction five two-row segments from the bottom, bright up to the level.
TEST(TrayPictures, EveryPictureFollowsThePixelRule)
{
    for (int dl = 0; dl < kTrayLevelCount; ++dl)
        for (int ul = 0; ul < kTrayLevelCount; ++ul) {
            const Picture picture = trayPicture(dl, ul);
            ASSERT_EQ(picture.pixels.size(), 256u);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const bool lit = (14 - y) / 3 < (x <= 7 ? dl : ul); // rows 13-14: segment 0
                    ASSERT_EQ(picture.at(x, y), x == 0 ? 0x00000000
                                                : y % 3 == 0 || x == 1 || x == 8 || x == 15
                                                    ? 0xFF000000
                                                : x <= 7 ? (lit ? 0xFFFF0000 : 0xFF800000)
                                                         : (lit ? 0xFF00FF00 : 0xFF008000))
                        << "d" << dl << "u" << ul << " at " << x << "," << y;
                }
        }
    EXPECT_THROW(trayPicture(6, 0), std::out_of_range);
    EXPECT_THROW(trayPicture(0, -1), std::out_of_range);
}
