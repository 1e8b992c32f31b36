#include "ui/wizard/wizard_core.h"

#include <cmath>
#include <gtest/gtest.h>

// The list's item values are the base rates plus ten per cent; the widget test checks four of
// them end to end, this catches a mistyped one among the rest.
TEST(ConnectionTypes, ValuesAreTheBaseRatesPlusTenPercent)
{
    const double base[] = {1800, 3600, 7200, 14400, 57600, 115200, 230400, 460800, 192000, 5760000};
    for (std::size_t i = 0; i < std::size(base); ++i)
        EXPECT_EQ(tarnivel::wizard::kConnectionTypes[i + 1].itemValue, std::lround(base[i] * 1.1))
            << i + 1;
}
