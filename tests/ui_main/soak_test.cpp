// A simulated day of the real meter window, tick by tick with an injected clock and counter
// table; in the sanitizer build LeakSanitizer checks the whole run at exit.
#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QLabel>

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
        rows = {{"eth0", std::uint32_t(50'000 * second - 1'000'000),
                 std::uint32_t(30'000 * second - 1'000'000'000)}};
        if (second < 40'000)
            rows.push_back({"wlan0", 4096 * second, 1024 * second});
        return second % 1000 != 500;
    }
    unsigned counterBits() const override { return 32; }
};

long residentKiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int g_failedTicks = 0;

TEST(MeterSoak, ADayOfTicksKeepsTheLabelPictureAndMemory)
{
    MemorySettings settings;
    DayOfTraffic counters;
    auto now = std::chrono::steady_clock::time_point{};
    frmMain w({settings, counters, [&now] { return now; }, [] { return true; }, [] {}, {}});
    w.show();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString&) {
            g_failedTicks += type >= QtWarningMsg && context.category == lcTick().categoryName();
        });
    long residentAfter1000 = 0;
    for (int i = 1; i <= 86'400; ++i) {
        counters.second = static_cast<std::uint64_t>(i);
        now += std::chrono::seconds(1);
        w.Timer1_Timer();
        QApplication::processEvents(); // repaints, as the running program would
        if (i == 1000)
            residentAfter1000 = residentKiB();
    }
    qInstallMessageHandler(previous);

    EXPECT_EQ(g_failedTicks, 0);
    EXPECT_EQ(w.lblDisplay().text(), "DL: 48.8 UL: 29.3"); // eth0 alone, in KiB of 1024 bytes
    EXPECT_EQ(w.tray().trayPictureKey(), "d3u2");
    EXPECT_EQ(w.graDU().DLThread().GetLatestValue(), 50000.0f);
    EXPECT_EQ(w.graDU().ULThread().GetLatestValue(), 30000.0f);
    EXPECT_LE(residentKiB() - residentAfter1000, 1024) << "KiB grown after the first 1000 ticks";
}

} // namespace
} // namespace tarnivel
