#include "sampling/rate_format.h"

#include <gtest/gtest.h>
#include <iomanip>

namespace tarnivel {
namespace {

struct FormatCase {
    float kib;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << std::setprecision(9) << c.kib; // unique, unlike the expected texts
}

class FormatRateTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatRateTest, SevenDigitsThenOneDecimalHalfAwayFromZero)
{
    EXPECT_EQ(formatRate(GetParam().kib), GetParam().expected) << GetParam().kib;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatRateTest,
    testing::Values(FormatCase{0.0f, "0.0"}, FormatCase{1536.0f / 1024, "1.5"},
                    FormatCase{1075.0f / 1024, "1.0"}, FormatCase{1127.0f / 1024, "1.1"},
                    FormatCase{12544.0f / 1024, "12.3"},
                    FormatCase{0.25f, "0.3"}, // a half goes up, not to the even neighbour
                    // Just below the half in binary, exactly the half after seven digits.
                    FormatCase{0.35f, "0.4"}, FormatCase{0.95f, "1.0"}, FormatCase{9.95f, "10.0"},
                    FormatCase{99.96f, "100.0"}, FormatCase{0.05f, "0.1"}, FormatCase{0.04f, "0.0"},
                    FormatCase{1e-45f, "0.0"}, FormatCase{1234567.5f, "1234568.0"},
                    FormatCase{16777215.0f, "16777220.0"}, FormatCase{1e7f, "10000000.0"},
                    FormatCase{3.4e38f, "340000000000000000000000000000000000000.0"},
                    FormatCase{-1.5f, "-1.5"}, FormatCase{-0.05f, "-0.1"},
                    FormatCase{-0.04f, "0.0"}, FormatCase{-0.0f, "0.0"}));

TEST(RateLabel, JoinsBothRatesWithTheGivenSeparator)
{
    EXPECT_EQ(rateLabel(1.5f, 0.0f), "DL: 1.5 UL: 0.0");
    EXPECT_EQ(rateLabel(12.25f, 1234.5f, ','), "DL: 12,3 UL: 1234,5");
}

} // namespace
} // namespace tarnivel
