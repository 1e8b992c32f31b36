// A simulated day of the real meter window, tick by tick with an injected clock and counter
// table; in the sanitizer build LeakSanitizer checks the whole run at exit.
#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QLabel>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

// AddressSanitizer keeps freed memory aside (256 MB by default) to catch late uses; that would
// show here as resident growth of our own making. Read only by sanitizer builds.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=0";
}

namespace tarnivel {
namespace {

// 32-bit counters. eth0 carries a steady 50000 bytes/s in and 30000 out and wraps on the way;
// wlan0 adds a little until it leaves the table; every 1000th reading fails.
struct DayOfTraffic final : CounterSource {
    std::uint64_t second = 0;

    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        if (second % 1000 == 500)
            return false;
        constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;
        rows.resize(second < kWlanLeaves ? 2 : 1);
        rows[0] = {"eth0", (kWrap - 1'000'000 + 50'000 * second) % kWrap,
                   (kWrap - 1'000'000'000 + 30'000 * second) % kWrap};
        if (rows.size() == 2)
            rows[1] = {"wlan0", 4096 * second, 1024 * second};
        return true;
    }
    unsigned counterBits() const override { return 32; }

    static constexpr std::uint64_t kWlanLeaves = 40'000;
};

long residentKiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int g_failedTicks = 0;

void countFailedTicks(QtMsgType type, const QMessageLogContext& context, const QString&)
{
    if (type >= QtWarningMsg && context.category == lcTick().categoryName())
        ++g_failedTicks;
}

TEST(MeterSoak, ADayOfTicksKeepsTheLabelPictureAndMemory)
{
    constexpr int kTicks = 86'400;
    MemorySettings settings;
    DayOfTraffic counters;
    auto now = std::chrono::steady_clock::time_point{};
    frmMain w({settings, counters, [&now] { return now; }, [] { return true; }, [] {}, {}});
    w.show();
    const QtMessageHandler previous = qInstallMessageHandler(countFailedTicks);

    long residentAfter1000 = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= kTicks; ++i) {
        counters.second = static_cast<std::uint64_t>(i);
        now += std::chrono::seconds(1);
        w.Timer1_Timer();
        QApplication::processEvents(); // repaints, as the running program would
        if (i == 1000)
            residentAfter1000 = residentKiB();
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const long residentAtEnd = residentKiB();
    qInstallMessageHandler(previous);
    std::printf("soak: %d ticks, %.0f ticks/s; resident %ld KiB after 1000 ticks, %ld KiB at "
                "the end\n",
                kTicks, kTicks / took.count(), residentAfter1000, residentAtEnd);

    EXPECT_EQ(g_failedTicks, 0);
    EXPECT_EQ(w.lblDisplay().text(), "DL: 48.8 UL: 29.3"); // eth0 alone, in KiB of 1024 bytes
    EXPECT_EQ(w.tray().trayPictureKey(), "d3u2");
    EXPECT_EQ(w.graDU().DLThread().GetLatestValue(), 50000.0f);
    EXPECT_EQ(w.graDU().ULThread().GetLatestValue(), 30000.0f);
    EXPECT_LE(residentAtEnd - residentAfter1000, 1024) << "KiB grown after the first 1000 ticks";
}

} // namespace
} // namespace tarnivel
