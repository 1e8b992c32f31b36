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

#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace tarnivel {
namespace {

struct Sums {
    double in = 0;
    double out = 0;
};

Sums sums(CounterSource& source)
{
    std::vector<InterfaceCounters> rows;
    EXPECT_TRUE(source.readTable(rows));
    Sums total;
    for (const InterfaceCounters& row : rows) {
        total.in += static_cast<double>(row.received);
        total.out += static_cast<double>(row.sent);
    }
    return total;
}

class Socket {
public:
    explicit Socket(SOCKET socket) : m_socket(socket) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket()
    {
        if (m_socket != INVALID_SOCKET)
            closesocket(m_socket);
    }
    SOCKET get() const { return m_socket; }

private:
    SOCKET m_socket;
};

// Sends `bytes` bytes from one TCP socket to another over 127.0.0.1; returns the bytes received.
std::size_t sendOverLoopback(std::size_t bytes)
{
    Socket listener(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = static_cast<int>(sizeof address);
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (bind(listener.get(), raw, length) != 0 || listen(listener.get(), 1) != 0 ||
        getsockname(listener.get(), raw, &length) != 0)
        return 0;
    Socket sender(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (connect(sender.get(), raw, length) != 0)
        return 0;
    Socket receiver(accept(listener.get(), nullptr, nullptr));

    std::size_t received = 0;
    std::thread reading([&] {
        std::vector<char> buffer(65536);
        int got = 0;
        while ((got = recv(receiver.get(), buffer.data(), static_cast<int>(buffer.size()), 0)) > 0)
            received += static_cast<std::size_t>(got);
    });
    const std::vector<char> chunk(65536, 'x');
    for (std::size_t sent = 0; sent < bytes;) {
        const int part = static_cast<int>(std::min(chunk.size(), bytes - sent));
        const int put = send(sender.get(), chunk.data(), part, 0);
        if (put <= 0)
            break;
        sent += static_cast<std::size_t>(put);
    }
    shutdown(sender.get(), SD_SEND);
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
    const Sums before = sums(*m_host);
    const Sums windows = sums(*m_windows);
    const Sums after = sums(*m_host);
    EXPECT_GT(windows.in, 0);
    EXPECT_GT(windows.out, 0);
    EXPECT_LE(before.in, windows.in);
    EXPECT_LE(windows.in, after.in);
    EXPECT_LE(before.out, windows.out);
    EXPECT_LE(windows.out, after.out);
}

TEST_F(HostCounters, GrowBothWaysByALoopbackTransfer)
{
    // The host readings bracket the transfer tightly and the Windows readings loosely, so the
    // Windows growth lies between the two host growths, and the tight one holds the transfer.
    constexpr std::size_t kBytes = 4 << 20;
    TrafficCounterReader reader(*m_windows);
    double inDelta = 0;
    double outDelta = 0;
    double inTotal = 0;
    double outTotal = 0;
    const Sums outerBefore = sums(*m_host);
    ASSERT_TRUE(reader.ReadTrafficCounters(inDelta, outDelta, inTotal, outTotal));
    const Sums innerBefore = sums(*m_host);
    ASSERT_EQ(sendOverLoopback(kBytes), kBytes);
    const Sums innerAfter = sums(*m_host);
    ASSERT_TRUE(reader.ReadTrafficCounters(inDelta, outDelta, inTotal, outTotal));
    const Sums outerAfter = sums(*m_host);

    EXPECT_GE(innerAfter.in - innerBefore.in, kBytes);
    EXPECT_GE(innerAfter.out - innerBefore.out, kBytes);
    EXPECT_LE(innerAfter.in - innerBefore.in, inDelta);
    EXPECT_LE(inDelta, outerAfter.in - outerBefore.in);
    EXPECT_LE(innerAfter.out - innerBefore.out, outDelta);
    EXPECT_LE(outDelta, outerAfter.out - outerBefore.out);
    EXPECT_LE(innerAfter.in, inTotal);
    EXPECT_LE(inTotal, outerAfter.in);
}

} // namespace
} // namespace tarnivel
