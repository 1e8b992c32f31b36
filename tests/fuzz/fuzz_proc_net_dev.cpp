// Feeds arbitrary text to the /proc/net/dev parser, and the parsed tables to the growth reader.
#include "sampling/proc_net_dev.h"
#include "sampling/traffic_counter_reader.h"
#include "tests/fuzz/require.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

using tarnivel::InterfaceCounters;

// Replays its tables in turn, so the reader sees whatever rows the parser lets through.
struct Replay final : tarnivel::CounterSource {
    std::vector<InterfaceCounters> tables[2];
    std::size_t next = 0;

    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        rows = tables[next++ % 2];
        return true;
    }
    unsigned counterBits() const override { return 64; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Replay source;
    std::vector<InterfaceCounters>& fresh = source.tables[0];
    require(tarnivel::parseProcNetDev(text, fresh) == fresh.size());
    for (const InterfaceCounters& row : fresh)
        require(!row.name.empty() && row.name.find('\n') == std::string::npos &&
                row.name.front() != ' ' && row.name.back() != ' ');

    // Reused rows must give the same table as fresh ones.
    std::vector<InterfaceCounters> reused(3, InterfaceCounters{"stale", 1, 2});
    tarnivel::parseProcNetDev(text, reused);
    require(std::ranges::equal(reused, fresh, [](const auto& a, const auto& b) {
        return a.name == b.name && a.received == b.received && a.sent == b.sent;
    }));

    // The second half of the input as a later reading, then the first again. The first reading is
    // the baseline; growth is never negative, nor more than the counters now hold (a counter that
    // went down is a reset, not a wrap of 64-bit counters).
    tarnivel::parseProcNetDev(text.substr(size / 2), source.tables[1]);
    tarnivel::TrafficCounterReader reader(source);
    double inDelta = 0, outDelta = 0, inTotal = 0, outTotal = 0;
    for (int reading = 0; reading < 3; ++reading) {
        reader.ReadTrafficCounters(inDelta, outDelta, inTotal, outTotal);
        require(inDelta >= 0 && outDelta >= 0 && inDelta <= inTotal && outDelta <= outTotal &&
                (reading > 0 || inDelta + outDelta == 0));
    }
    return 0;
}
