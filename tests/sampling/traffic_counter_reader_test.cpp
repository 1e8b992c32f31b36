#include "sampling/traffic_counter_reader.h"
#include "tests/sampling/fake_counter_source.h"

#include <array>
#include <gtest/gtest.h>

namespace tarnivel {
namespace {

using testing_support::FakeCounterSource;
using testing_support::Table;
using T = std::vector<InterfaceCounters>;

constexpr std::uint64_t k2p32 = std::uint64_t{1} << 32;
constexpr std::uint64_t k2p60 = std::uint64_t{1} << 60;

struct Step {
    const char* what;
    Table table;
    bool ok;
    std::array<double, 4> expected; // in delta, out delta, in total, out total
};

void replay(unsigned bits, const std::vector<Step>& steps)
{
    FakeCounterSource source(bits);
    for (const Step& step : steps) {
        source.push(step.table);
    }
    TrafficCounterReader reader(source);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        std::array<double, 4> got{-1, -1, -1, -1};
        EXPECT_EQ(reader.ReadTrafficCounters(got[0], got[1], got[2], got[3]), step.ok);
        EXPECT_EQ(got, step.expected);
    }
}

TEST(TrafficCounterReader, MeasuresGrowthPerInterfaceAndNeverGoesNegative)
{
    replay(
        64,
        {
            {"baseline", T{{"lo", 1000, 500}, {"eth0", 3000, 100}}, true, {0, 0, 4000, 600}},
            {"growth", T{{"lo", 1600, 700}, {"eth0", 3000, 150}}, true, {600, 250, 4600, 850}},
            {"reordered", T{{"eth0", 3010, 150}, {"lo", 1600, 700}}, true, {10, 0, 4610, 850}},
            {"eth0 reset", T{{"eth0", 5, 1}, {"lo", 1700, 700}}, true, {100, 0, 1705, 701}},
            {"eth0 left", T{{"lo", 1800, 750}}, true, {100, 50, 1800, 750}},
            {"wlan0 came", T{{"lo", 1800, 750}, {"wlan0", 9000, 9}}, true, {0, 0, 10800, 759}},
            {"failed", std::nullopt, false, {0, 0, 10800, 759}},
            {"after failure", T{{"lo", 1900, 750}, {"wlan0", 9100, 9}}, true, {200, 0, 11000, 759}},
        });
}

TEST(TrafficCounterReader, FailureBeforeAnyGoodReadingGivesZeros)
{
    replay(64, {{"failed", std::nullopt, false, {0, 0, 0, 0}},
                {"baseline", T{{"a", 100, 10}}, true, {0, 0, 100, 10}},
                {"growth", T{{"a", 150, 10}}, true, {50, 0, 150, 10}}});
}

TEST(TrafficCounterReader, UnwrapsOnlyCountersKeptIn32Bits)
{
    const double high = static_cast<double>(k2p32 - 100);
    replay(32, {{"near 2^32", T{{"a", k2p32 - 100, k2p32 - 1}}, true, {0, 0, high, high + 99}},
                {"wrapped", T{{"a", 50, 0}}, true, {150, 1, 50, 0}}});
    replay(64, {{"near 2^32", T{{"a", k2p32 - 100, 0}}, true, {0, 0, high, 0}},
                {"reset", T{{"a", 50, 0}}, true, {0, 0, 50, 0}}});
}

TEST(TrafficCounterReader, GrowthStaysExactAbove2To53)
{
    const double big = static_cast<double>(k2p60);
    replay(64, {{"baseline", T{{"a", k2p60, k2p60}}, true, {0, 0, big, big}},
                {"growth", T{{"a", k2p60 + 1, k2p60 + 3}}, true, {1, 3, big, big}}});
}

} // namespace
} // namespace tarnivel
