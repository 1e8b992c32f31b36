#include "sampling/rate_sampler.h"

#include <utility>

namespace tarnivel {

RateSampler::RateSampler(TrafficCounterReader& reader, MonotonicClock clock)
    : m_reader(reader), m_clock(std::move(clock))
{}

RateSample RateSampler::sample()
{
    RateSample result;
    double inDelta = 0;
    double outDelta = 0;
    if (!m_reader.ReadTrafficCounters(inDelta, outDelta, result.inTotal, result.outTotal)) {
        return result; // the next good reading measures from the last good one
    }
    const auto now = m_clock();
    if (m_lastGood) {
        const auto elapsed = now - *m_lastGood;
        if (elapsed > decltype(elapsed)::zero() && elapsed <= kMaxGap) {
            const double seconds = std::chrono::duration<double>(elapsed).count();
            result.inRate = inDelta / seconds;
            result.outRate = outDelta / seconds;
        }
    }
    m_lastGood = now;
    return result;
}

} // namespace tarnivel
