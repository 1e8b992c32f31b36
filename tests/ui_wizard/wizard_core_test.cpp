#include "ui/wizard/wizard_core.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tarnivel::wizard {
namespace {

TEST(ConnectionTypes, ValuesAreTheBaseRatesPlusTenPercentInListOrder)
{
    const std::array<double, 10> base{1800,   3600,   7200,   14400,  57600,
                                      115200, 230400, 460800, 192000, 5760000};
    ASSERT_EQ(kConnectionTypes[kDontKnowIndex].entry, "Don't know");
    ASSERT_EQ(kConnectionTypes[kOtherIndex].entry, "Other");
    for (std::size_t i = 0; i < base.size(); ++i)
        EXPECT_EQ(kConnectionTypes[i + 1].itemValue, std::lround(base[i] * 1.1))
            << kConnectionTypes[i + 1].entry;
}

TEST(TypedRate, WholeNumbersFromOneToSevenNines)
{
    const struct {
        std::string text;
        std::optional<std::int32_t> rate;
    } cases[] = {
        {"", std::nullopt},
        {"0", std::nullopt},
        {"1", 1},
        {"0000001", 1},
        {"9999999", 9999999},
        {"10000000", std::nullopt},
        {"99999999999", std::nullopt},
        {"-5", std::nullopt},
        {"abc", std::nullopt},
        {"0.5", std::nullopt},
        {"1.5", 2},
        {"2.5", 2},
        {"9999999.4", 9999999},
        {"9999999.5", std::nullopt},
        {" 42 ", 42},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedRate(c.text), c.rate) << '"' << c.text << '"';
}

TEST(Next, StepsInOrderOfTheChecks)
{
    const struct {
        bool agreed;
        int page, index;
        std::string other;
        NextStep step;
        int pageAfter;
        std::int32_t rate;
    } cases[] = {
        // The agreement comes first, on every page, whatever else is chosen.
        {false, 1, 3, "", NextStep::AskToContinue, 1, 0},
        {false, 2, 3, "", NextStep::AskToContinue, 2, 0},
        {false, 3, 3, "", NextStep::AskToContinue, 3, 0},
        {true, 1, 11, "", NextStep::ShowPage, 2, 0},
        {true, 2, 11, "", NextStep::ShowPage, 3, 0},
        {true, 3, 0, "", NextStep::WarnThenFinish, 3, 7200},
        {true, 3, 0, "500", NextStep::WarnThenFinish, 3, 7200},
        {true, 3, 3, "", NextStep::Finish, 3, 7920},
        {true, 3, 9, "", NextStep::Finish, 3, 211200},
        {true, 3, 10, "12", NextStep::Finish, 3, 6336000},
        {true, 3, 11, "", NextStep::SpecifyOtherRate, 3, 0},
        {true, 3, 11, "0", NextStep::SpecifyOtherRate, 3, 0},
        {true, 3, 11, "0000001", NextStep::Finish, 3, 1},
        {true, 3, 11, "9999999", NextStep::Finish, 3, 9999999},
        // No entry chosen has no rate, even with a good typed one.
        {true, 3, -1, "", NextStep::ChooseFromList, 3, 0},
        {true, 3, -1, "500", NextStep::ChooseFromList, 3, 0},
    };
    for (const auto& c : cases) {
        const NextOutcome o = nextOutcome(c.agreed, c.page, c.index, c.other);
        EXPECT_EQ(o.step, c.step) << c.page << " " << c.index << " '" << c.other << "'";
        EXPECT_EQ(o.page, c.pageAfter) << c.page << " " << c.index;
        EXPECT_EQ(o.rate, c.rate) << c.page << " " << c.index << " '" << c.other << "'";
    }
    EXPECT_TRUE(ValidateConnection(-1, "500")) << "the check itself reads the box then";
    EXPECT_FALSE(ValidateConnection(-1, ""));
}

} // namespace
} // namespace tarnivel::wizard
