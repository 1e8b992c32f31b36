#include "ui/main/tray_levels.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarnivel {
namespace {

struct LevelCase {
    double delta;
    int level;
};

class TrayLevelTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(TrayLevelTest, GradesAgainstTheScale)
{
    EXPECT_EQ(trayLevel(GetParam().delta, 100000.0), GetParam().level);
}

// Boundaries land on the even level: 6r = 1.5 -> 2, 2.5 -> 2, 4.5 -> 4.
INSTANTIATE_TEST_SUITE_P(MaxValue100000, TrayLevelTest,
                         ::testing::Values(LevelCase{0, 0}, LevelCase{8000, 0}, LevelCase{9000, 1},
                                           LevelCase{25000, 2}, LevelCase{41666.5, 2},
                                           LevelCase{41667, 3}, LevelCase{75000, 4},
                                           LevelCase{75001, 5}, LevelCase{100000, 5},
                                           LevelCase{500000, 5}, LevelCase{-2000, 0},
                                           LevelCase{-20000, -1}));

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
    EXPECT_EQ(trayIconKey(0, 0, 100000), "d0u0");
    EXPECT_EQ(trayIconKey(41667, 9000, 100000), "d3u1");
    EXPECT_EQ(trayIconKey(500000, 100000, 100000), "d5u5");
    EXPECT_EQ(trayIconKey(-20000, 0, 100000), "d5u5"); // a fall of the incoming sum
    EXPECT_EQ(trayIconKey(0, 0, 0), "d5u5");           // no scale
    EXPECT_EQ(trayIconKey(1e12, 0, 100000), "d5u5");   // a first tick's whole counter sums
    EXPECT_EQ(trayIconKey(0, 1e12, 100000), "d5u5");
}

} // namespace
} // namespace tarnivel
