#include "ui/wizard/wizard_core.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarnivel::wizard;

// The list's item values are the base rates plus ten per cent; the widget test checks four of
// them end to end, this catches a mistyped one among the rest.
TEST(ConnectionTypes, ValuesAreTheBaseRatesPlusTenPercent)
{
    const double base[] = {1800, 3600, 7200, 14400, 57600, 115200, 230400, 460800, 192000, 5760000};
    for (std::size_t i = 0; i < std::size(base); ++i)
        EXPECT_EQ(kConnectionTypes[i + 1].itemValue, std::lround(base[i] * 1.1)) << i + 1;
}

// What the widget test cannot reach: no entry chosen (index -1), which has no rate to store even
// with a good typed one, and typed text that is not a whole number.
TEST(Next, NoEntryChosenAsksForOneAndTypedRatesRoundToWholeOnesInRange)
{
    for (const char* other : {"", "500"}) {
        const NextOutcome o = nextOutcome(true, 3, -1, other);
        EXPECT_EQ(std::tuple(o.step, o.page, o.rate), std::tuple(NextStep::ChooseFromList, 3, 0))
            << other;
    }
    EXPECT_EQ(typedRate("2.5"), 2);
    EXPECT_EQ(typedRate("0.5"), std::nullopt);
    EXPECT_EQ(typedRate("9999999.5"), std::nullopt);
}
