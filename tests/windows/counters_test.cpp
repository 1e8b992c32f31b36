// The Windows counter source against the host's own table. Under Wine, GetIfTable2 reports the
// host's interfaces (loopback included), so its readings lie between readings of the host's
// /proc/net/dev taken just before and just after them. The rows Wine does not list, a made-up
// table.
#include "sampling/interface_table_win.h"
#include "sampling/proc_net_dev.h"
#include "sampling/traffic_counter_reader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace tarnivel {
namespace {

using Sums = std::array<double, 2>; // received, sent

Sums sums(const std::vector<InterfaceCounters>& rows)
{
    Sums total{};
    for (const InterfaceCounters& row : rows)
        total = {total[0] + static_cast<double>(row.received),
                 total[1] + static_cast<double>(row.sent)};
    return total;
}

Sums sums(CounterSource& source)
{
    std::vector<InterfaceCounters> rows;
    EXPECT_TRUE(source.readTable(rows));
    return sums(rows);
}

// A socket on 127.0.0.1 sends itself datagrams it never reads: the loopback interface counts
// each one both ways all the same. Returns the bytes sent.
double sendOverLoopback()
{
    const SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = static_cast<int>(sizeof address);
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    double sent = 0;
    const std::vector<char> datagram(32768, 'x');
    if (bind(s, raw, length) == 0 && getsockname(s, raw, &length) == 0)
        for (int i = 0; i < 128; ++i)
            sent += std::max(0, sendto(s, datagram.data(), 32768, 0, raw, length));
    closesocket(s);
    return sent;
}

// The host readings bracket the transfer tightly and the Windows readings loosely, so the
// Windows growth lies between the two host growths, and the tight one holds the transfer.
TEST(HostCounters, TotalsAndGrowthLieBetweenTheHostsReadings)
{
    const char* path = std::getenv("TARNIVEL_HOST_NET_DEV");
    if (path == nullptr)
        GTEST_SKIP() << "TARNIVEL_HOST_NET_DEV names no host table (not under Wine)";
    ProcNetDevSource host(path);
    const std::unique_ptr<CounterSource> windows = makeSystemCounterSource();
    EXPECT_EQ(windows->counterBits(), 64u);
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    TrafficCounterReader reader(*windows);
    Sums delta{}, total{};
    const Sums outerBefore = sums(host);
    ASSERT_TRUE(reader.ReadTrafficCounters(delta[0], delta[1], total[0], total[1]));
    const Sums innerBefore = sums(host);
    const double sent = sendOverLoopback();
    const Sums innerAfter = sums(host);
    ASSERT_TRUE(reader.ReadTrafficCounters(delta[0], delta[1], total[0], total[1]));
    const Sums outerAfter = sums(host);
    WSACleanup();
    EXPECT_EQ(sent, 128 * 32768);
    for (const std::size_t i : {0u, 1u}) {
        EXPECT_GE(innerAfter[i] - innerBefore[i], sent) << i;
        EXPECT_LE(innerAfter[i] - innerBefore[i], delta[i]) << i;
        EXPECT_LE(delta[i], outerAfter[i] - outerBefore[i]) << i;
        EXPECT_LE(innerAfter[i], total[i]) << i;
        EXPECT_LE(total[i], outerAfter[i]) << i;
    }
}

// Windows lists every filter module stacked on an adapter as a row of its own with the adapter's
// counters; each interface counts once, loopback and tunnels included.
TEST(InterfaceTable, EachInterfaceCountsOnceItsFilterModulesNot)
{
    // Ethernet, its WFP Native MAC Layer LightWeight Filter, QoS Packet Scheduler and WFP 802.3
    // MAC Layer LightWeight Filter rows, Wi-Fi, Loopback Pseudo-Interface 1, Teredo.
    constexpr std::tuple<bool, ULONG64, ULONG64> made[] = {
        {false, 5000, 700}, {true, 5000, 700}, {true, 5000, 700}, {true, 5000, 700},
        {false, 300, 20},   {false, 60, 60},   {false, 4, 4}};
    std::vector<MIB_IF_ROW2> memory(std::size(made) + 1); // the row count comes first
    auto* table = reinterpret_cast<MIB_IF_TABLE2*>(memory.data());
    table->NumEntries = std::size(made);
    for (std::size_t i = 0; i < std::size(made); ++i) {
        MIB_IF_ROW2& row = table->Table[i];
        row.InterfaceAndOperStatusFlags.FilterInterface = std::get<0>(made[i]);
        std::tie(std::ignore, row.InOctets, row.OutOctets) = made[i];
    }
    std::vector<InterfaceCounters> rows(9); // a longer list from before is cut to the table
    readInterfaceTable(*table, rows);
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_EQ(sums(rows), (Sums{5364, 784}));
}

} // namespace
} // namespace tarnivel
