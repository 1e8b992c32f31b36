// The graph's core: ring buffer access and the raster work of one tick and of a full redraw.
#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

using namespace tarnivel;

namespace {

constexpr raster::Colours kColours{0xFFFF0000u, 0xFF00FF00u, 0xFFFFFF00u, 0xFF808080u};

struct Fixture {
    Fixture(int w, int h, int k)
        : pixels(static_cast<std::size_t>(w * k * h * k)), surface{pixels.data(), w, h, k, w * k}
    {
        for (int i = 0; i < 1000; ++i) {
            dl.NewValue(static_cast<float>(i * 37 % 120));
            ul.NewValue(static_cast<float>(i * 53 % 110));
        }
        raster::DrawGraph(surface, dl, ul, {0, 100}, kColours);
    }
    clsDataThread dl, ul;
    std::vector<std::uint32_t> pixels;
    raster::Surface surface;
};

void BM_PutValue(benchmark::State& state)
{
    clsDataStore store;
    store.setBufferSize(1000);
    float v = 0;
    for (auto _ : state) {
        store.PutValue(v);
        v += 1.0f;
    }
    benchmark::DoNotOptimize(store.GetValue(1));
}
BENCHMARK(BM_PutValue);

void BM_GetValue(benchmark::State& state)
{
    clsDataStore store;
    store.setBufferSize(1000);
    std::int32_t age = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.GetValue(age));
        age = age % 1000 + 1;
    }
}
BENCHMARK(BM_GetValue);

// Args: width, height, pixel scale.
void BM_RasterShift(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
              static_cast<int>(state.range(2)));
    float v = 0;
    for (auto _ : state) {
        raster::ShiftDisplayLeft(f.surface, v, 100 - v, {0, 100}, kColours);
        v = v >= 100 ? 0 : v + 7;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RasterShift)->Args({129, 69, 1})->Args({1000, 600, 1})->Args({1000, 600, 2});

void BM_RasterDrawGraph(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
              static_cast<int>(state.range(2)));
    for (auto _ : state) {
        raster::DrawGraph(f.surface, f.dl, f.ul, {0, 100}, kColours);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RasterDrawGraph)->Args({129, 69, 1})->Args({1000, 600, 1})->Args({1000, 600, 2});

} // namespace
