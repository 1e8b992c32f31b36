// Feeds arbitrary text to the /proc/net/dev parser: every row it lets through has a plain name,
// and rows reused from an earlier reading give the same table as fresh ones.
#include "sampling/proc_net_dev.h"
#include "tests/fuzz/require.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <tuple>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tarnivel::InterfaceCounters;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<InterfaceCounters> fresh, reused(3, InterfaceCounters{"stale", 1, 2});
    require(tarnivel::parseProcNetDev(text, fresh) == fresh.size());
    for (const InterfaceCounters& row : fresh)
        require(!row.name.empty() && row.name.find('\n') == std::string::npos &&
                row.name.front() != ' ' && row.name.back() != ' ');
    tarnivel::parseProcNetDev(text, reused);
    const auto fields = [](const InterfaceCounters& r) {
        return std::tie(r.name, r.received, r.sent);
    };
    require(std::ranges::equal(reused, fresh, {}, fields, fields));
    return 0;
}
