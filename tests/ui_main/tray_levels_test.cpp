#include "ui/main/tray_levels.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarnivel {
namespace {

TEST(TrayLevel, GradesAgainstTheScaleHalvesToEven)
{
    // 6r = 1.5 -> 2, 2.5 -> 2, 4.5 -> 4; no lower bound.
    const std::pair<double, int> table[] = {{0, 0},       {8000, 0},   {9000, 1},  {25000, 2},
                                            {41666.5, 2}, {41667, 3},  {75000, 4}, {75001, 5},
                                            {100000, 5},  {500000, 5}, {-2000, 0}, {-20000, -1}};
    for (const auto& [delta, level] : table)
        EXPECT_EQ(trayLevel(delta, 100000.0), level) << delta;
}

TEST(TrayLevel, NoLevelWithoutA16BitNumber)
{
    EXPECT_EQ(trayLevel(1000, 0), std::nullopt);
    EXPECT_EQ(trayLevel(0, 0), std::nullopt);
    EXPECT_EQ(trayLevel(std::numeric_limits<double>::quiet_NaN(), 100), std::nullopt);
    EXPECT_EQ(trayLevel(32767.0 / 6.0 * 100, 100), 5); // quotient exactly 32767
    EXPECT_EQ(trayLevel(32768.0 / 6.0 * 100, 100), std::nullopt);
    EXPECT_EQ(trayLevel(-32768.0 / 6.0 * 100, 100), -32768);
    EXPECT_EQ(trayLevel(-32769.0 / 6.0 * 100, 100), std::nullopt);
}

TEST(TrayIconKey, KeysAndFallbacks)
{
    EXPECT_EQ(trayIconKey(41667, 9000, 100000), "d3u1");
    EXPECT_EQ(trayIconKey(500000, 100000, 100000), "d5u5");
    EXPECT_EQ(trayIconKey(-20000, 0, 100000), "d5u5"); // a fall of the incoming sum
    EXPECT_EQ(trayIconKey(0, 0, 0), "d5u5");           // no scale
    EXPECT_EQ(trayIconKey(0, 1e12, 100000), "d5u5");   // a first tick's whole counter sums
}

} // namespace
} // namespace tarnivel
