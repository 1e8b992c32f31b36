#include "ui/wizard/wizard_core.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tarnivel::wizard {
namespace {

// The list's item values are the base rates plus ten per cent; the widget test checks four of
// them end to end, this catches a mistyped one among the rest.
TEST(ConnectionTypes, ValuesAreTheBaseRatesPlusTenPercent)
{
    const double base[] = {1800, 3600, 7200, 14400, 57600, 115200, 230400, 460800, 192000, 5760000};
    for (std::size_t i = 0; i < std::size(base); ++i)
        EXPECT_EQ(kConnectionTypes[i + 1].itemValue, std::lround(base[i] * 1.1)) << i + 1;
}

// Through the widgets: "", "0", "9999999" and "0000001".
TEST(TypedRate, WholeNumbersFromOneToSevenNines)
{
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"1", 1},          {"10000000", {}}, {"99999999999", {}},
        {"-5", {}},        {"abc", {}},      {"0.5", {}},
        {"1.5", 2},        {"2.5", 2},       {"9999999.4", 9999999},
        {"9999999.5", {}}, {" 42 ", 42}};
    for (const auto& [text, rate] : cases)
        EXPECT_EQ(typedRate(text), rate) << '"' << text << '"';
}

// The order of the checks; the widget test drives the agreement, the pages and the rates.
TEST(Next, StepsInOrderOfTheChecks)
{
    const struct {
        bool agreed;
        int index;
        const char* other;
        NextStep step;
        std::int32_t rate;
    } cases[] = {
        {false, 11, "500", NextStep::AskToContinue, 0},
        {true, 0, "500", NextStep::WarnThenFinish, 7200},
        {true, 11, "0", NextStep::SpecifyOtherRate, 0},
        {true, 11, "500", NextStep::Finish, 500},
        {true, -1, "", NextStep::ChooseFromList, 0},
        // No entry chosen has no rate, even with a good typed one.
        {true, -1, "500", NextStep::ChooseFromList, 0},
    };
    for (const auto& c : cases) {
        const NextOutcome o = nextOutcome(c.agreed, 3, c.index, c.other);
        EXPECT_EQ(o.step, c.step) << c.index << " '" << c.other << "'";
        EXPECT_EQ(o.page, 3);
        EXPECT_EQ(o.rate, c.rate) << c.index << " '" << c.other << "'";
    }
    EXPECT_TRUE(ValidateConnection(-1, "500")) << "the check itself reads the box then";
    EXPECT_FALSE(ValidateConnection(-1, ""));
}

} // namespace
} // namespace tarnivel::wizard
