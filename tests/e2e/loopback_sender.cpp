// Pushes a steady stream of bytes over a TCP connection on 127.0.0.1 for the end-to-end test:
//   loopback_sender <bytes per second> <seconds>
// One thread receives, the main thread sends in 10 ms slices paced against the monotonic
// clock, so every second carries the same amount of traffic.
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

int fail(const char* what)
{
    std::perror(what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <bytes per second> <seconds>\n", argv[0]);
        return 2;
    }
    const long long rate = std::atoll(argv[1]);
    const int seconds = std::atoi(argv[2]);
    if (rate <= 0 || seconds <= 0 || seconds > 600)
        return 2;

    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (listener < 0 || ::bind(listener, generic, length) != 0 || ::listen(listener, 1) != 0 ||
        ::getsockname(listener, generic, &length) != 0)
        return fail("listen");

    std::thread receiver([listener] {
        const int peer = ::accept(listener, nullptr, nullptr);
        std::vector<char> buffer(1 << 16);
        while (peer >= 0 && ::read(peer, buffer.data(), buffer.size()) > 0) {
        }
        if (peer >= 0)
            ::close(peer);
    });

    const int sender = ::socket(AF_INET, SOCK_STREAM, 0);
    if (sender < 0 || ::connect(sender, generic, length) != 0)
        return fail("connect");

    using Clock = std::chrono::steady_clock;
    constexpr auto kSlice = std::chrono::milliseconds(10);
    const long long perSlice = rate / 100;
    std::vector<char> payload(static_cast<std::size_t>(perSlice), 'x');
    const auto start = Clock::now();
    long long total = 0;
    for (int slice = 0; slice < seconds * 100; ++slice) {
        std::this_thread::sleep_until(start + slice * kSlice);
        long long left = perSlice;
        while (left > 0) {
            const auto sent = ::send(sender, payload.data(), static_cast<std::size_t>(left), 0);
            if (sent <= 0)
                return fail("send");
            left -= sent;
        }
        total += perSlice;
    }
    ::shutdown(sender, SHUT_WR);
    receiver.join();
    ::close(sender);
    ::close(listener);
    std::printf("%lld\n", total);
    return 0;
}
