#include "sampling/proc_net_dev.h"
#include "sampling/rate_format.h"
#include "sampling/traffic_counter_reader.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace tarnivel;

// A busy host: 64 interfaces with counters of realistic widths.
std::string procNetDevText(int interfaces)
{
    std::string text =
        "Inter-|   Receive                                                |  Transmit\n"
        " face |bytes    packets errs drop fifo frame compressed multicast|bytes    "
        "packets errs drop fifo colls carrier compressed\n";
    for (int i = 0; i < interfaces; ++i) {
        text += "veth" + std::to_string(i) + ": " + std::to_string(987654321012LL + i) +
                " 123456789    0    0    0     0          0         0 " +
                std::to_string(123456789012LL * i) +
                " 98765432    0    0    0     0       0    0\n";
    }
    return text;
}

void BM_ParseProcNetDev64(benchmark::State& state)
{
    const std::string text = procNetDevText(64);
    std::vector<InterfaceCounters> rows;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseProcNetDev(text, rows));
    }
}
BENCHMARK(BM_ParseProcNetDev64);

// One whole reading of this machine's /proc/net/dev: open, read, parse, match, sum.
void BM_ReadTrafficCountersLive(benchmark::State& state)
{
    ProcNetDevSource source;
    TrafficCounterReader reader(source);
    double in = 0, out = 0, inTotal = 0, outTotal = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.ReadTrafficCounters(in, out, inTotal, outTotal));
    }
}
BENCHMARK(BM_ReadTrafficCountersLive);

void BM_RateLabel(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(rateLabel(1234.5678f, 12.25f));
    }
}
BENCHMARK(BM_RateLabel);

} // namespace
