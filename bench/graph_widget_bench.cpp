// The scroll graph widget's per-tick shift and its full redraw, on the offscreen platform.
#include "graph/scroll_graph.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace tarnivel;

namespace {

void fill(ctlScrollGraph2& graph)
{
    graph.setBackColour(8421504);
    graph.setOverLapColour(65535);
    graph.DLThread().setColour(255);
    for (int i = 0; i < 1000; ++i) {
        graph.DLThread().NewValue(static_cast<float>(i * 37 % 120));
        graph.ULThread().NewValue(static_cast<float>(i * 53 % 110));
    }
}

// Args: width, height.
void BM_ShiftDisplayLeft(benchmark::State& state)
{
    ctlScrollGraph2 graph;
    fill(graph);
    graph.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    graph.show();
    float v = 0;
    for (auto _ : state) {
        graph.DLThread().NewValue(v);
        graph.ULThread().NewValue(100 - v);
        graph.ShiftDisplayLeft();
        v = v >= 100 ? 0 : v + 7;
    }
}
BENCHMARK(BM_ShiftDisplayLeft)->Args({129, 69})->Args({1000, 600});

void BM_RedrawWhole(benchmark::State& state)
{
    ctlScrollGraph2 graph;
    fill(graph);
    graph.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    graph.show();
    for (auto _ : state)
        graph.RedrawWhole();
}
BENCHMARK(BM_RedrawWhole)->Args({129, 69})->Args({1000, 600});

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
