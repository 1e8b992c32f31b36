#include "sampling/traffic_counter_reader.h"
#include "tests/sampling/fake_counter_source.h"

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

using testing_support::FakeCounterSource;
using testing_support::Table;

constexpr std::uint64_t k2p32 = std::uint64_t{1} << 32;
constexpr std::uint64_t k2p60 = std::uint64_t{1} << 60;

struct Step {
    Table table;
    bool ok;
    double inDelta, outDelta, inTotal, outTotal;
};

struct ReaderCase {
    const char* label;
    unsigned bits;
    std::vector<Step> steps;
};

void PrintTo(const ReaderCase& c, std::ostream* os)
{
    *os << c.label;
}

class TrafficCounterReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(TrafficCounterReaderTest, GrowthIsPerInterfaceAndNeverNegative)
{
    FakeCounterSource source(GetParam().bits);
    for (const Step& step : GetParam().steps) {
        source.push(step.table);
    }
    TrafficCounterReader reader(source);
    int index = 0;
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(testing::Message() << "reading " << index++);
        double inDelta = -1, outDelta = -1, inTotal = -1, outTotal = -1;
        EXPECT_EQ(reader.ReadTrafficCounters(inDelta, outDelta, inTotal, outTotal), step.ok);
        EXPECT_EQ(inDelta, step.inDelta);
        EXPECT_EQ(outDelta, step.outDelta);
        EXPECT_EQ(inTotal, step.inTotal);
        EXPECT_EQ(outTotal, step.outTotal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Readings, TrafficCounterReaderTest,
    testing::Values(
        ReaderCase{"first_reading_is_baseline",
                   64,
                   {{{{{"lo", 1000, 500}, {"eth0", 3000, 100}}}, true, 0, 0, 4000, 600},
                    {{{{"lo", 1600, 700}, {"eth0", 3000, 150}}}, true, 600, 250, 4600, 850}}},
        ReaderCase{"reordered_rows_match_by_name",
                   64,
                   {{{{{"a", 100, 0}, {"b", 1000, 0}}}, true, 0, 0, 1100, 0},
                    {{{{"b", 1010, 0}, {"a", 101, 0}}}, true, 11, 0, 1111, 0}}},
        ReaderCase{"reset_counts_zero",
                   64,
                   {{{{{"a", 5000, 9000}, {"b", 100, 100}}}, true, 0, 0, 5100, 9100},
                    {{{{"a", 10, 20}, {"b", 150, 130}}}, true, 50, 30, 160, 150}}},
        ReaderCase{"disappearing_interface_counts_zero",
                   64,
                   {{{{{"a", 100, 100}, {"big", 5000, 5000}}}, true, 0, 0, 5100, 5100},
                    {{{{"a", 150, 120}}}, true, 50, 20, 150, 120}}},
        ReaderCase{"new_interface_counts_from_second_sighting",
                   64,
                   {{{{{"a", 100, 0}}}, true, 0, 0, 100, 0},
                    {{{{"a", 150, 0}, {"b", 9000, 0}}}, true, 50, 0, 9150, 0},
                    {{{{"a", 150, 0}, {"b", 9100, 0}}}, true, 100, 0, 9250, 0}}},
        ReaderCase{"failure_keeps_totals_and_last_good_baseline",
                   64,
                   {{{{{"a", 100, 10}}}, true, 0, 0, 100, 10},
                    {std::nullopt, false, 0, 0, 100, 10},
                    {{{{"a", 300, 40}}}, true, 200, 30, 300, 40}}},
        ReaderCase{"failure_before_any_good_reading",
                   64,
                   {{std::nullopt, false, 0, 0, 0, 0},
                    {{{{"a", 100, 10}}}, true, 0, 0, 100, 10},
                    {{{{"a", 150, 10}}}, true, 50, 0, 150, 10}}},
        ReaderCase{"32_bit_counters_unwrap",
                   32,
                   {{{{{"a", k2p32 - 100, k2p32 - 1}}},
                     true,
                     0,
                     0,
                     double(k2p32 - 100),
                     double(k2p32 - 1)},
                    {{{{"a", 50, 0}}}, true, 150, 1, 50, 0}}},
        ReaderCase{"64_bit_counter_going_down_is_no_wrap",
                   64,
                   {{{{{"a", k2p32 - 100, 0}}}, true, 0, 0, double(k2p32 - 100), 0},
                    {{{{"a", 50, 0}}}, true, 0, 0, 50, 0}}},
        ReaderCase{"growth_exact_above_2_53",
                   64,
                   {{{{{"a", k2p60, k2p60}}}, true, 0, 0, double(k2p60), double(k2p60)},
                    {{{{"a", k2p60 + 1, k2p60 + 3}}}, true, 1, 3, double(k2p60), double(k2p60)}}}),
    [](const auto& p) { return std::string(p.param.label); });

} // namespace
} // namespace tarnivel
