#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarnivel {

// One interface's cumulative byte counters, as the system keeps them.
struct InterfaceCounters {
    std::string name; // identity of the interface from one reading to the next
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

// The platform's table of interfaces. One implementation per platform, chosen by the build.
class CounterSource {
public:
    virtual ~CounterSource() = default;
    // Replaces rows with every interface's cumulative byte counters; false when no table could be
    // read. Implementations reuse the rows' storage so that a reading allocates little.
    virtual bool readTable(std::vector<InterfaceCounters>& rows) = 0;
    // Width of the system's counters: they wrap modulo 2^counterBits().
    virtual unsigned counterBits() const = 0;
};

std::unique_ptr<CounterSource> makeSystemCounterSource();

} // namespace tarnivel
