// A simulated day of the real meter window, tick by tick with an injected clock and counter
// table; in the sanitizer build LeakSanitizer checks the whole run at exit.
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>
#include <malloc.h>

using namespace tarnivel;

// A reading a second, 32-bit counters. eth0 carries a steady 50000 bytes/s in and 30000 out and
// wraps on the way; wlan0 adds a little until it leaves the table; every 1000th reading fails.
struct DayOfTraffic final : CounterSource {
    std::chrono::steady_clock::time_point now;

    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        now += std::chrono::seconds(1);
        const std::uint64_t second = now.time_since_epoch() / std::chrono::seconds(1);
        rows = {{"eth0", std::uint32_t(50'000 * second - 1'000'000),
                 std::uint32_t(30'000 * second - 1'000'000'000)}};
        if (second < 40'000)
            rows.push_back({"wlan0", 4096 * second, 1024 * second});
        return second % 1000 != 500;
    }
    unsigned counterBits() const override { return 32; }
};

int g_tickWarnings = 0;

// The heap in use, measured in the plain build (the sanitizers keep their own allocator).
TEST(MeterSoak, ADayOfTicksKeepsTheLabelAndMemory)
{
    MemorySettings settings;
    DayOfTraffic counters;
    frmMain w(
        {settings, counters, [&counters] { return counters.now; }, [] { return true; }, [] {}, {}});
    w.show();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString&) {
            g_tickWarnings += type >= QtWarningMsg && context.category == lcTick().categoryName();
        });
    std::size_t heapAfter1000 = 0;
    for (int i = 1; i <= 86'400; ++i) {
        w.Timer1_Timer();
        QApplication::processEvents(); // repaints, as the running program would
        if (i == 1000)
            heapAfter1000 = mallinfo2().uordblks;
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_tickWarnings, 0);
    EXPECT_EQ(w.lblDisplay().text(), "DL: 48.8 UL: 29.3"); // eth0 alone, in KiB of 1024 bytes
    EXPECT_LE(mallinfo2().uordblks, heapAfter1000 + 1024 * 1024) << "heap grew after 1000 ticks";
}
