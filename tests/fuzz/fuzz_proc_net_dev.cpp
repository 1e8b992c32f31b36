// Feeds arbitrary text to the /proc/net/dev parser, and two parsed tables to the growth reader.
#include "sampling/proc_net_dev.h"
#include "sampling/traffic_counter_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using tarnivel::InterfaceCounters;

void check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// Replays two given tables, so the reader sees whatever rows the parser lets through.
class TwoTables final : public tarnivel::CounterSource {
public:
    TwoTables(const std::vector<InterfaceCounters>& first,
              const std::vector<InterfaceCounters>& second)
        : m_tables{&first, &second}
    {}
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        rows = *m_tables[m_next++ % 2];
        return true;
    }
    unsigned counterBits() const override { return 64; }

private:
    const std::vector<InterfaceCounters>* m_tables[2];
    std::size_t m_next = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<InterfaceCounters> fresh;
    const std::size_t count = tarnivel::parseProcNetDev(text, fresh);
    check(count == fresh.size());
    for (const InterfaceCounters& row : fresh) {
        check(!row.name.empty() && row.name.find('\n') == std::string::npos);
        check(row.name.front() != ' ' && row.name.back() != ' ');
    }

    // Reused rows must give the same table as fresh ones.
    std::vector<InterfaceCounters> reused(3, InterfaceCounters{"stale", 1, 2});
    tarnivel::parseProcNetDev(text, reused);
    check(reused.size() == fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        check(reused[i].name == fresh[i].name && reused[i].received == fresh[i].received &&
              reused[i].sent == fresh[i].sent);
    }

    // The second half of the input as a later reading: growth is never negative.
    std::vector<InterfaceCounters> later;
    tarnivel::parseProcNetDev(text.substr(size / 2), later);
    TwoTables source(fresh, later);
    tarnivel::TrafficCounterReader reader(source);
    double inDelta = 0, outDelta = 0, inTotal = 0, outTotal = 0;
    reader.ReadTrafficCounters(inDelta, outDelta, inTotal, outTotal);
    check(inDelta == 0 && outDelta == 0);
    reader.ReadTrafficCounters(inDelta, outDelta, inTotal, outTotal);
    check(inDelta >= 0 && outDelta >= 0);
    return 0;
}
