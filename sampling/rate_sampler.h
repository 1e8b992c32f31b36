#pragma once

#include "sampling/traffic_counter_reader.h"

#include <chrono>
#include <functional>
#include <optional>

namespace tarnivel {

using MonotonicClock = std::function<std::chrono::steady_clock::time_point()>;

struct RateSample {
    double inRate = 0, outRate = 0;   // bytes per second
    double inTotal = 0, outTotal = 0; // bytes, sums of the interfaces' counters
};

// One reading per tick, turned into rates over the time that actually passed since the previous
// good reading, so a late tick still gives the true rate.
class RateSampler {
public:
    // Longer than this between two good readings (a suspend, say) starts from a fresh baseline
    // rather than averaging over the gap.
    static constexpr std::chrono::seconds kMaxGap{30};

    RateSampler(TrafficCounterReader& reader, MonotonicClock clock);

    // First reading, a failed reading, a gap over kMaxGap or a clock that did not advance: rates 0.
    RateSample sample();

private:
    TrafficCounterReader& m_reader;
    MonotonicClock m_clock;
    std::optional<std::chrono::steady_clock::time_point> m_lastGood;
};

} // namespace tarnivel
