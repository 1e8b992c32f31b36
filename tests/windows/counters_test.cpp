// The Windows counter source against the host's own table. Under Wine, GetIfTable2 reports the
// host's interfaces (loopback included), so its sums must lie between two readings of the
// host's /proc/net/dev taken just before and just after it: equal to both when nothing moves.
#include "sampling/counter_source.h"
#include "sampling/proc_net_dev.h"
#include "sampling/traffic_counter_reader.h"

// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace tarnivel {
namespace {

using Sums = std::array<double, 2>; // received, sent

Sums sums(CounterSource& source)
{
    std::vector<InterfaceCounters> rows;
    EXPECT_TRUE(source.readTable(rows));
    Sums total{};
    for (const InterfaceCounters& row : rows) {
        total[0] += static_cast<double>(row.received);
        total[1] += static_cast<double>(row.sent);
    }
    return total;
}

struct Socket {
    SOCKET s;
    ~Socket() { closesocket(s); } // INVALID_SOCKET just fails
};

// Sends `bytes` bytes from one TCP socket to another over 127.0.0.1; returns the bytes received.
std::size_t sendOverLoopback(std::size_t bytes)
{
    Socket listener{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = static_cast<int>(sizeof address);
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (bind(listener.s, raw, length) != 0 || listen(listener.s, 1) != 0 ||
        getsockname(listener.s, raw, &length) != 0)
        return 0;
    Socket sender{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
    if (connect(sender.s, raw, length) != 0)
        return 0;
    Socket receiver{accept(listener.s, nullptr, nullptr)};

    std::size_t received = 0;
    std::thread reading([&] {
        std::vector<char> buffer(65536);
        int got = 0;
        while ((got = recv(receiver.s, buffer.data(), static_cast<int>(buffer.size()), 0)) > 0)
            received += static_cast<std::size_t>(got);
    });
    const std::vector<char> chunk(65536, 'x');
    for (std::size_t sent = 0; sent < bytes;) {
        const int put =
            send(sender.s, chunk.data(), static_cast<int>(std::min(chunk.size(), bytes - sent)), 0);
        if (put <= 0)
            break;
        sent += static_cast<std::size_t>(put);
    }
    shutdown(sender.s, SD_SEND);
    reading.join();
    return received;
}

class HostCounters : public testing::Test {
protected:
    void SetUp() override
    {
        const char* path = std::getenv("TARNIVEL_HOST_NET_DEV");
        if (path == nullptr)
            GTEST_SKIP() << "TARNIVEL_HOST_NET_DEV names no host table (not under Wine)";
        m_host = std::make_unique<ProcNetDevSource>(path);
        std::vector<InterfaceCounters> rows;
        ASSERT_TRUE(m_host->readTable(rows)) << path;
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    }
    void TearDown() override
    {
        if (m_host)
            WSACleanup();
    }

    std::unique_ptr<ProcNetDevSource> m_host;
    std::unique_ptr<CounterSource> m_windows = makeSystemCounterSource();
};

TEST_F(HostCounters, SumsEqualTheHostsReadAtTheSameMoment)
{
    EXPECT_EQ(m_windows->counterBits(), 64u);
    const Sums before = sums(*m_host), windows = sums(*m_windows), after = sums(*m_host);
    for (const std::size_t i : {0u, 1u}) {
        EXPECT_GT(windows[i], 0) << i;
        EXPECT_LE(before[i], windows[i]) << i;
        EXPECT_LE(windows[i], after[i]) << i;
    }
}

TEST_F(HostCounters, GrowBothWaysByALoopbackTransfer)
{
    // The host readings bracket the transfer tightly and the Windows readings loosely, so the
    // Windows growth lies between the two host growths, and the tight one holds the transfer.
    constexpr std::size_t kBytes = 4 << 20;
    TrafficCounterReader reader(*m_windows);
    Sums delta{}, total{};
    const Sums outerBefore = sums(*m_host);
    ASSERT_TRUE(reader.ReadTrafficCounters(delta[0], delta[1], total[0], total[1]));
    const Sums innerBefore = sums(*m_host);
    ASSERT_EQ(sendOverLoopback(kBytes), kBytes);
    const Sums innerAfter = sums(*m_host);
    ASSERT_TRUE(reader.ReadTrafficCounters(delta[0], delta[1], total[0], total[1]));
    const Sums outerAfter = sums(*m_host);
    for (const std::size_t i : {0u, 1u}) {
        EXPECT_GE(innerAfter[i] - innerBefore[i], kBytes) << i;
        EXPECT_LE(innerAfter[i] - innerBefore[i], delta[i]) << i;
        EXPECT_LE(delta[i], outerAfter[i] - outerBefore[i]) << i;
        EXPECT_LE(innerAfter[i], total[i]) << i;
        EXPECT_LE(total[i], outerAfter[i]) << i;
    }
}

} // namespace
} // namespace tarnivel
