#include "sampling/rate_format.h"
#include "sampling/rate_sampler.h"

#include <array>
#include <gtest/gtest.h>

namespace tarnivel {
namespace {

using namespace std::chrono_literals;
using T = std::vector<InterfaceCounters>;
using Table = std::optional<T>; // nullopt: the reading fails

struct FakeSource final : CounterSource {
    Table table; // what the next reading gives
    unsigned bits = 64;
    bool readTable(T& rows) override
    {
        rows = table.value_or(rows);
        return table.has_value();
    }
    unsigned counterBits() const override { return bits; }
};

// What happens, the reading, then in delta, out delta, in total, out total.
using Step = std::tuple<const char*, Table, std::array<double, 4>>;

void replay(unsigned bits, const std::vector<Step>& steps)
{
    FakeSource source;
    source.bits = bits;
    TrafficCounterReader reader(source);
    for (const auto& [what, table, expected] : steps) {
        source.table = table;
        std::array<double, 4> got{-1, -1, -1, -1};
        EXPECT_EQ(reader.ReadTrafficCounters(got[0], got[1], got[2], got[3]), table.has_value())
            << what;
        EXPECT_EQ(got, expected) << what;
    }
}

TEST(TrafficCounterReader, MeasuresGrowthPerInterfaceNeverNegativeUnwrappingOnly32Bits)
{
    constexpr std::uint64_t k2p60 = std::uint64_t{1} << 60;
    replay(64, {{"failed first", std::nullopt, {0, 0, 0, 0}},
                {"baseline", T{{"lo", 1000, 500}, {"eth0", 3000, 100}}, {0, 0, 4000, 600}},
                {"growth", T{{"lo", 1600, 700}, {"eth0", 3000, 150}}, {600, 250, 4600, 850}},
                {"eth0 reset", T{{"eth0", 5, 1}, {"lo", 1700, 700}}, {100, 0, 1705, 701}},
                {"eth0 left", T{{"lo", 1800, 750}}, {100, 50, 1800, 750}},
                {"wlan0 came", T{{"lo", 1800, 750}, {"wlan0", 9000, 9}}, {0, 0, 10800, 759}},
                {"failed", std::nullopt, {0, 0, 10800, 759}},
                {"after failure", T{{"lo", 1900, 750}, {"wlan0", 9100, 9}}, {200, 0, 11000, 759}},
                {"only big", T{{"big", k2p60, k2p60}}, {0, 0, 0x1p60, 0x1p60}},
                {"exact above 2^53", T{{"big", k2p60 + 1, k2p60 + 3}}, {1, 3, 0x1p60, 0x1p60}},
                {"64 bits: a reset", T{{"big", 50, 0}}, {0, 0, 50, 0}}});
    replay(32, {{"near 2^32", T{{"a", 4294967196, 4294967295}}, {0, 0, 4294967196, 4294967295}},
                {"wrapped", T{{"a", 50, 0}}, {150, 1, 50, 0}}});
}

TEST(RateSampler, DividesByTheTimeThatPassed)
{
    // Each tick: time since the previous one, the one interface's counter (nullopt: the reading
    // fails), the expected rate. A late or early tick gives the true rate; a failed reading is
    // skipped; a gap over 30 s, or a clock that did not advance, starts a fresh baseline.
    const std::tuple<std::chrono::milliseconds, std::optional<std::uint64_t>, double> ticks[] = {
        {0s, 1000, 0},     {1s, 2536, 1536}, {3s, 5536, 1000},  {500ms, 6136, 1200},
        {1s, {}, 0},       {1s, 8136, 1000}, {30s, 11136, 100}, {31s, 99999, 0},
        {1s, 100099, 100}, {0s, 100599, 0},  {2s, 101599, 500}};
    FakeSource source;
    TrafficCounterReader reader(source);
    std::chrono::steady_clock::time_point now{1h};
    RateSampler sampler(reader, [&now] { return now; });
    for (const auto& [after, received, rate] : ticks) {
        now += after;
        source.table = received ? Table{{{"eth0", *received, 7}}} : std::nullopt;
        const RateSample s = sampler.sample();
        EXPECT_DOUBLE_EQ(s.inRate, rate) << "at " << (now.time_since_epoch() - 1h).count();
        EXPECT_EQ(s.outRate, 0);
        EXPECT_EQ(s.outTotal, 7); // kept through a failed reading too
    }
}

TEST(FormatRate, SevenDigitsThenOneDecimalHalfAwayFromZero)
{
    // 0.25 is a half in binary: it goes up, not to the even neighbour. 0.35f and 9.95f are just
    // below the half in binary but exactly the half after seven digits.
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0.0"},           {1536 / 1024.0f, "1.5"},   {1075 / 1024.0f, "1.0"},
        {1127 / 1024.0f, "1.1"}, {12544 / 1024.0f, "12.3"}, {0.25f, "0.3"},
        {0.35f, "0.4"},          {9.95f, "10.0"},           {0.05f, "0.1"},
        {0.04f, "0.0"},          {1e-45f, "0.0"},           {-1.5f, "-1.5"},
        {-0.05f, "-0.1"},        {-0.04f, "0.0"},           {-0.0f, "0.0"}};
    for (const auto& [kib, expected] : cases) {
        EXPECT_EQ(formatRate(kib), expected) << kib;
    }
    // Seven significant digits first, and never exponent form.
    EXPECT_EQ(formatRate(1234567.5f), "1234568.0");
    EXPECT_EQ(formatRate(3.4e38f), "340000000000000000000000000000000000000.0");
    EXPECT_EQ(rateLabel(1.5f, 0.0f), "DL: 1.5 UL: 0.0");
    EXPECT_EQ(rateLabel(12.25f, 1234.5f, ','), "DL: 12,3 UL: 1234,5");
}

} // namespace
} // namespace tarnivel
