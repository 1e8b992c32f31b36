#include "sampling/traffic_counter_reader.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tarnivel {
namespace {

// Growth of one counter between two readings. A counter that went down was reset (the interface
// was re-created, or a driver cleared it) unless it is kept in fewer than 64 bits, where going
// down is the normal wrap.
std::uint64_t growth(std::uint64_t previous, std::uint64_t now, unsigned bits)
{
    if (bits < 64) {
        const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
        return (now - previous) & mask;
    }
    return now >= previous ? now - previous : 0;
}

} // namespace

TrafficCounterReader::TrafficCounterReader(CounterSource& source) : m_source(source) {}

bool TrafficCounterReader::ReadTrafficCounters(double& dblInDelta, double& dblOutDelta,
                                               double& dblInTotal, double& dblOutTotal)
{
    dblInDelta = 0;
    dblOutDelta = 0;
    if (!m_source.readTable(m_current)) {
        dblInTotal = m_inTotal;
        dblOutTotal = m_outTotal;
        return false;
    }

    const unsigned bits = m_source.counterBits();
    double inTotal = 0;
    double outTotal = 0;
    for (std::size_t i = 0; i < m_current.size(); ++i) {
        const InterfaceCounters& now = m_current[i];
        inTotal += static_cast<double>(now.received);
        outTotal += static_cast<double>(now.sent);
        if (!m_havePrevious) {
            continue;
        }
        // The table's order rarely changes, so look at the same place first.
        const InterfaceCounters* before = nullptr;
        if (i < m_previous.size() && m_previous[i].name == now.name) {
            before = &m_previous[i];
        } else {
            const auto found = std::find_if(m_previous.begin(), m_previous.end(),
                                            [&](const auto& row) { return row.name == now.name; });
            if (found != m_previous.end()) {
                before = &*found;
            }
        }
        // An interface seen for the first time has no growth yet; one that left simply stops
        // contributing.
        if (before != nullptr) {
            dblInDelta += static_cast<double>(growth(before->received, now.received, bits));
            dblOutDelta += static_cast<double>(growth(before->sent, now.sent, bits));
        }
    }

    std::swap(m_previous, m_current);
    m_havePrevious = true;
    m_inTotal = inTotal;
    m_outTotal = outTotal;
    dblInTotal = inTotal;
    dblOutTotal = outTotal;
    return true;
}

} // namespace tarnivel
