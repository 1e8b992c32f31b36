#include "sampling/rate_sampler.h"
#include "tests/sampling/fake_counter_source.h"

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

using namespace std::chrono_literals;
using testing_support::FakeCounterSource;

struct Tick {
    std::chrono::milliseconds after;       // time since the previous tick
    std::optional<std::uint64_t> received; // the one interface's counter; nullopt: reading fails
    double inRate;
};

struct SamplerCase {
    const char* label;
    std::vector<Tick> ticks;
};

void PrintTo(const SamplerCase& c, std::ostream* os)
{
    *os << c.label;
}

class RateSamplerTest : public testing::TestWithParam<SamplerCase> {};

TEST_P(RateSamplerTest, DividesByTheTimeThatPassed)
{
    FakeCounterSource source;
    for (const Tick& tick : GetParam().ticks) {
        source.push(tick.received ? testing_support::Table{{{"eth0", *tick.received, 7}}}
                                  : std::nullopt);
    }
    TrafficCounterReader reader(source);
    std::chrono::steady_clock::time_point now{1h};
    RateSampler sampler(reader, [&now] { return now; });
    double total = 0;
    for (const Tick& tick : GetParam().ticks) {
        now += tick.after;
        total = tick.received ? static_cast<double>(*tick.received) : total;
        const RateSample s = sampler.sample();
        EXPECT_DOUBLE_EQ(s.inRate, tick.inRate) << "at " << (now.time_since_epoch() - 1h).count();
        EXPECT_EQ(s.inTotal, total);
        EXPECT_EQ(s.outRate, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Timing, RateSamplerTest,
    testing::Values(SamplerCase{"first_then_one_second", {{0s, 1000, 0}, {1s, 2536, 1536}}},
                    SamplerCase{"late_tick_gives_true_rate",
                                {{0s, 0, 0}, {1s, 1000, 1000}, {3s, 4000, 1000}}},
                    SamplerCase{"early_tick", {{0s, 0, 0}, {500ms, 600, 1200}}},
                    SamplerCase{"gap_of_30s_still_measured", {{0s, 0, 0}, {30s, 3000, 100}}},
                    SamplerCase{"longer_gap_is_fresh_baseline",
                                {{0s, 0, 0}, {31s, 99999, 0}, {1s, 100099, 100}}},
                    SamplerCase{"failure_measures_from_last_good",
                                {{0s, 0, 0}, {1s, std::nullopt, 0}, {1s, 2000, 1000}}},
                    SamplerCase{"clock_not_advancing_is_fresh_baseline",
                                {{0s, 0, 0}, {0s, 500, 0}, {2s, 1500, 500}}}),
    [](const auto& p) { return std::string(p.param.label); });

} // namespace
} // namespace tarnivel
