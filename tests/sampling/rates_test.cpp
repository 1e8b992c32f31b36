#include "sampling/proc_net_dev.h"
#include "sampling/rate_format.h"
#include "sampling/rate_sampler.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>

using namespace tarnivel;
using T = std::vector<InterfaceCounters>;

// Each line with what it parses to ("": skipped; the extra field is a later kernel's). Every field
// differs, so taking the wrong one shows: rx bytes is the 1st, tx bytes the 9th. The file stays
// open and is read afresh at each reading; its long name is more than the first read takes.
TEST(ProcNetDevSource, ReadsEveryGoodRowAtEachReadingAndSkipsMalformedOnes)
{
    const std::string tail = " 2 3 4 5 6 7 8 999 10 11 12 13 14 15 16", n(5000, 'n');
    // clang-format off
    const std::pair<std::string, std::string> lines[] = {
        {"    lo:    111" + tail, "lo 111 999;"}, {"eth0:111" + tail, "eth0 111 999;"},
        {"eth0:1:111" + tail, "eth0:1 111 999;"}, {n + ": 111" + tail, n + " 111 999;"},
        {"eth0: 111" + tail + " 17", "eth0 111 999;"}, {"eth0: 12x" + tail, ""},
        {"a: 18446744073709551615" + tail, "a 18446744073709551615 999;"}, {"   : 111" + tail, ""},
        {"eth0: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", ""}, {"eth0: -1" + tail, ""},
        {"a: 18446744073709551616" + tail, ""}, {"a::111" + tail, "a: 111 999;"}};
    // clang-format on
    std::string text = "Inter-|\n face |\n", expected, got;
    for (const auto& [line, row] : lines) {
        text += line + '\n';
        expected += row;
    }
    const std::string path = testing::TempDir() + "net_dev";
    std::ofstream(path) << text << "cut: 1 2"; // the last line cut short
    ProcNetDevSource source(path);
    T rows(100, {"stale", 5, 5});
    EXPECT_TRUE(source.readTable(rows) && source.readTable(rows));
    for (const auto& r : rows)
        got += r.name + ' ' + std::to_string(r.received) + ' ' + std::to_string(r.sent) + ';';
    EXPECT_EQ(got, expected);
    std::ofstream(path) << text.substr(0, 16); // the header alone
    EXPECT_FALSE(source.readTable(rows));
    std::ofstream(path) << text.substr(0, text.find('\n', 16) + 1); // one row
    EXPECT_TRUE(source.readTable(rows));
    // No file, a read error (a folder), a file without end (over 16 MiB).
    for (const std::string& bad : {path + "_", testing::TempDir(), std::string("/dev/zero")})
        EXPECT_FALSE(ProcNetDevSource(bad).readTable(rows)) << bad;
}

struct FakeSource final : CounterSource {
    std::optional<T> table; // the next reading; nothing: it fails
    unsigned bits = 64;
    bool readTable(T& rows) override { return table && (rows = *table, true); }
    unsigned counterBits() const override { return bits; }
};

// Each tick: what happens, the counters' width, the milliseconds since the previous tick, the
// reading, then the rates and the totals in and out. Growth is per interface, found by name, never
// negative, and over the time since the last good reading; a failed reading is skipped; a gap over
// 30 s starts a fresh baseline. Only counters of fewer than 64 bits wrap.
TEST(RateSampler, MeasuresGrowthPerInterfaceOverTheTimeThatPassedUnwrappingOnly32Bits)
{
    // clang-format off
    const std::tuple<const char*, unsigned, int, std::optional<T>, std::array<double, 4>> ticks[] {
        {"failed at first", 64, 1000, std::nullopt, {0, 0, 0, 0}},
        {"baseline", 64, 1000, T{{"lo", 1000, 500}, {"eth0", 3000, 100}}, {0, 0, 4000, 600}},
        {"eth0 reset", 64, 500, T{{"eth0", 5, 1}, {"lo", 1600, 700}}, {1200, 400, 1605, 701}},
        {"failed", 64, 1000, std::nullopt, {0, 0, 1605, 701}},
        {"30 s, no eth0", 64, 29000, T{{"lo", 2200, 760}, {"wlan0", 9000, 9}}, {20, 2, 11200, 769}},
        {"31 s", 64, 31000, T{{"lo", 2300, 760}, {"wlan0", 9000, 9}}, {0, 0, 11300, 769}},
        {"near 2^32", 32, 1000, T{{"a", 4294967196, 4294967295}}, {0, 0, 4294967196, 4294967295}},
        {"wrapped", 32, 1000, T{{"a", 50, 0}}, {150, 1, 50, 0}}};
    // clang-format on
    FakeSource source;
    TrafficCounterReader reader(source);
    std::chrono::steady_clock::time_point now;
    RateSampler sampler(reader, [&now] { return now; });
    for (const auto& [what, bits, after, table, expected] : ticks) {
        now += std::chrono::milliseconds(after);
        source.bits = bits;
        source.table = table;
        const RateSample s = sampler.sample();
        EXPECT_EQ((std::array{s.inRate, s.outRate, s.inTotal, s.outTotal}), expected) << what;
    }
}

// Half away from zero after seven significant digits: 0.25 is a true half, 0.35f and 9.95f are
// just below the half in binary but exactly the half after seven digits. Never "-0.0" nor an
// exponent. The label puts the incoming rate after DL, with the locale's decimal point.
TEST(FormatRate, SevenDigitsThenOneDecimalHalfAwayFromZero)
{
    // clang-format off
    const std::pair<float, std::string> cases[] = {
        {1075 / 1024.0f, "1,0"}, {0.25f, "0,3"}, {0.35f, "0,4"}, {9.95f, "10,0"}, {-0.04f, "0,0"},
        {1234567.5f, "1234568,0"}, {3.4e38f, "340000000000000000000000000000000000000,0"}};
    // clang-format on
    for (const auto& [kib, text] : cases)
        EXPECT_EQ(rateLabel(kib, 1234.5f, ','), "DL: " + text + " UL: 1234,5") << kib;
}
