#include "sampling/proc_net_dev.h"
#include "sampling/rate_format.h"
#include "sampling/rate_sampler.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>

using namespace tarnivel;
using namespace std::chrono_literals;

namespace {

constexpr std::string_view kHeader = "Inter-| Receive | Transmit\n face |bytes ...|bytes ...\n";

// Every field differs, so taking the wrong one shows: rx bytes is the 1st, tx bytes the 9th.
std::string fields(std::string_view rx = "111", std::string_view tx = "999")
{
    return std::string(rx) + " 2 3 4 5 6 7 8 " + std::string(tx) + " 10 11 12 13 14 15 16";
}

// Each line with what it parses to ("": skipped; the extra field is a later kernel's). The file
// stays open and is read afresh at each reading; its long name is more than the first read takes.
// clang-format off
TEST(ProcNetDevSource, ReadsEveryGoodRowAtEachReadingAndSkipsMalformedOnes)
{
    const std::string n(5000, 'n'), big = "9007199254740993", max = "18446744073709551615";
    const std::pair<std::string, std::string> lines[] = {
        {"    lo:    " + fields(), "lo 111 999;"}, {"eth0:" + fields(), "eth0 111 999;"},
        {"my if: " + fields(), "my if 111 999;"}, {"eth0:1:" + fields(), "eth0:1 111 999;"},
        {n + ": " + fields(), n + " 111 999;"}, {"eth0: " + fields() + " 17", "eth0 111 999;"},
        {"a: " + fields(big, max), "a " + big + ' ' + max + ';'}, {"   : " + fields(), ""},
        {"eth0: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", ""}, {"eth0: " + fields("12x"), ""},
        {"eth0: " + fields("-1"), ""}, {"a: " + fields("18446744073709551616"), ""}};
    const std::string path = testing::TempDir() + "net_dev";
    ProcNetDevSource source(path);
    std::vector<InterfaceCounters> rows(100, {"stale", 5, 5});
    for (const std::string rx : {"1", "2"}) {
        std::string text = std::string(kHeader) + "veth: " + fields(rx) + '\n', got;
        std::string expected = "veth " + rx + " 999;";
        for (const auto& [line, row] : lines) {
            text += line + '\n';
            expected += row;
        }
        std::ofstream(path) << text << "cut: 1 2"; // the last line cut short
        EXPECT_TRUE(source.readTable(rows));
        for (const auto& row : rows)
            got += row.name + ' ' + std::to_string(row.received) + ' ' + std::to_string(row.sent)
                   + ';';
        EXPECT_EQ(got, expected);
    }
    std::ofstream(path) << kHeader;
    EXPECT_FALSE(source.readTable(rows));
    EXPECT_FALSE(ProcNetDevSource(path + "_missing").readTable(rows));
}
// clang-format on

using T = std::vector<InterfaceCounters>;

struct FakeSource final : CounterSource {
    std::optional<T> table; // the next reading; nothing: it fails
    unsigned bits = 64;
    bool readTable(T& rows) override
    {
        rows = table.value_or(rows);
        return table.has_value();
    }
    unsigned counterBits() const override { return bits; }
};

// Each tick: what happens, the time since the previous one, the reading, then the rates and the
// totals in and out.
using Tick =
    std::tuple<const char*, std::chrono::milliseconds, std::optional<T>, std::array<double, 4>>;

void replay(unsigned bits, std::initializer_list<Tick> ticks)
{
    FakeSource source;
    source.bits = bits;
    TrafficCounterReader reader(source);
    std::chrono::steady_clock::time_point now{1h};
    RateSampler sampler(reader, [&now] { return now; });
    for (const auto& [what, after, table, expected] : ticks) {
        now += after;
        source.table = table;
        const RateSample s = sampler.sample();
        EXPECT_EQ((std::array{s.inRate, s.outRate, s.inTotal, s.outTotal}), expected) << what;
    }
}

} // namespace

// Growth is per interface, found by name, never negative, and over the time since the last good
// reading; a failed reading is skipped; a gap over 30 s, or a clock that did not advance, starts
// a fresh baseline. Only counters of fewer than 64 bits wrap.
// clang-format off
TEST(RateSampler, MeasuresGrowthPerInterfaceOverTheTimeThatPassedUnwrappingOnly32Bits)
{
    constexpr std::uint64_t k2p60 = std::uint64_t{1} << 60;
    replay(64, {{"failed first", 0s, std::nullopt, {0, 0, 0, 0}},
                {"baseline", 1s, T{{"lo", 1000, 500}, {"eth0", 3000, 100}}, {0, 0, 4000, 600}},
                {"late", 2s, T{{"lo", 1600, 700}, {"eth0", 3000, 150}}, {300, 125, 4600, 850}},
                {"eth0 reset", 500ms, T{{"eth0", 5, 1}, {"lo", 1700, 700}}, {200, 0, 1705, 701}},
                {"eth0 gone", 1s, T{{"lo", 1800, 750}, {"wlan0", 9000, 9}}, {100, 50, 10800, 759}},
                {"failed", 1s, std::nullopt, {0, 0, 10800, 759}},
                {"after it", 1s, T{{"lo", 2000, 750}, {"wlan0", 9000, 9}}, {100, 0, 11000, 759}},
                {"30 s", 30s, T{{"lo", 2030, 750}, {"wlan0", 9000, 9}}, {1, 0, 11030, 759}},
                {"31 s", 31s, T{{"lo", 2100, 750}, {"wlan0", 9000, 9}}, {0, 0, 11100, 759}},
                {"no time", 0s, T{{"lo", 2200, 750}, {"wlan0", 9000, 9}}, {0, 0, 11200, 759}},
                {"only big", 1s, T{{"big", k2p60, k2p60}}, {0, 0, 0x1p60, 0x1p60}},
                {"above 2^53", 1s, T{{"big", k2p60 + 1, k2p60 + 3}}, {1, 3, 0x1p60, 0x1p60}}});
    replay(32, {{"near 2^32", 1s, T{{"a", 4294967196, 4294967295}}, {0, 0, 4294967196, 4294967295}},
                {"wrapped", 1s, T{{"a", 50, 0}}, {150, 1, 50, 0}}});
}

// Half away from zero after seven significant digits: 0.25 is a true half, 0.35f and 9.95f are
// just below the half in binary but exactly the half after seven digits. Never "-0.0" nor an
// exponent.
TEST(FormatRate, SevenDigitsThenOneDecimalHalfAwayFromZero)
{
    const std::pair<float, const char*> cases[] = {
        {1075 / 1024.0f, "1.0"}, {0.25f, "0.3"}, {0.35f, "0.4"}, {9.95f, "10.0"}, {-0.05f, "-0.1"},
        {-0.04f, "0.0"}, {1e-45f, "0.0"}, {1234567.5f, "1234568.0"},
        {3.4e38f, "340000000000000000000000000000000000000.0"}};
    for (const auto& [kib, expected] : cases)
        EXPECT_EQ(formatRate(kib), expected) << kib;
    EXPECT_EQ(rateLabel(12.25f, 1234.5f, ','), "DL: 12,3 UL: 1234,5");
}
// clang-format on
