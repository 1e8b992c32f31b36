#pragma once

#include "sampling/counter_source.h"

#include <vector>

namespace tarnivel {

// Turns successive readings of the interface table into growth and totals. Growth is measured per
// interface and then summed, so that interfaces coming and going, counter resets and (for 32-bit
// counters) wraps never produce negative or huge deltas.
class TrafficCounterReader {
public:
    explicit TrafficCounterReader(CounterSource& source);

    // Deltas are the bytes moved since the last good reading (0 on the first one, which is the
    // baseline); totals are the sums of the interfaces' own counters now. Returns false when the
    // reading failed: then deltas 0, totals as at the last good reading.
    bool ReadTrafficCounters(double& dblInDelta, double& dblOutDelta, double& dblInTotal,
                             double& dblOutTotal);

private:
    CounterSource& m_source;
    std::vector<InterfaceCounters> m_current;
    std::vector<InterfaceCounters> m_previous;
    bool m_havePrevious = false;
    double m_inTotal = 0;
    double m_outTotal = 0;
};

} // namespace tarnivel
