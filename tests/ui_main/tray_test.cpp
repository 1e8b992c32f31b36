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
