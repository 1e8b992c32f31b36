#include "resources/tray_pictures.h"
#include "ui/main/tray_levels.h"

#include <gtest/gtest.h>

using namespace tarnivel;

// Each sum graded in sixths of the scale, halves to even (4.5 -> 4), capped at five; a quotient
// that does not fit 16 bits, no level at all or a fall of either sum shows the fallback picture.
TEST(TrayIconKey, GradesTheSumsOrFallsBack)
{
    const std::tuple<double, double, double, const char*> keys[] = {
        {9000, 25000, 1e5, "d1u2"},  {75000, 5e5, 1e5, "d4u5"}, {32767.0 / 6, 0, 1, "d5u0"},
        {32768.0 / 6, 0, 1, "d5u5"}, {0, 1e12, 1e5, "d5u5"},    {0, 0, 0, "d5u5"},
        {-20000, 0, 1e5, "d5u5"},    {0, -20000, 1e5, "d5u5"}};
    for (const auto& [in, out, scale, key] : keys)
        EXPECT_EQ(trayIconKey(in, out, scale), key) << in << ' ' << out << " of " << scale;
}

// The rule every pixel of the 36 tray pictures follows: a transparent first column, black
// borders (columns 1, 8 and 15, every third row), and per direction five two-row segments from
// the bottom, bright up to the level: red for incoming on the left, green for outgoing.
TEST(TrayPictures, EveryPictureFollowsThePixelRule)
{
    const std::uint32_t colours[] = {0, 0xFF000000, 0xFF800000, 0xFFFF0000, 0xFF008000, 0xFF00FF00};
    for (int i = 0; i < 36 * 256; ++i) {
        const int x = i % 16, y = i / 16 % 16, ul = i / 256 % 6, dl = i / 1536;
        const bool lit = (14 - y) / 3 < (x <= 7 ? dl : ul); // rows 13-14: segment 0
        const int kind = x == 0 ? 0 : y % 3 == 0 || x % 7 == 1 ? 1 : 2 + 2 * (x > 7) + lit;
        ASSERT_EQ(trayPicture(dl, ul).at(x, y), colours[kind]) << dl << ul << ' ' << x << ',' << y;
    }
}
