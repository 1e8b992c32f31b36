#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace tarnivel::raster;

constexpr Colours kColours{'D', 'U', 'O', '.'};

// A w x h surface of k x k pixel blocks, filled with the background or with '?' (not drawn).
struct Image {
    Image(int w, int h, int k = 1, char fill = '.')
        : px(w * k * h * k, fill), s{px.data(), w, h, k, w * k}
    {}
    std::uint32_t at(int x, int y) const { return px[static_cast<std::size_t>(y * s.stride + x)]; }
    std::vector<std::uint32_t> px;
    Surface s;
};

// Ages 1.. after the samples 1..count in `size` slots, re-sized, then one more: the newest
// samples stay in age order whichever side of the new end the write position lies on.
TEST(DataStore, KeepsAgesThroughResize)
{
    for (const auto& [size, count, resized, ages] :
         {std::tuple{5, 7, 8, std::vector<float>{8, 7, 6, 5, 4, 3, 0, 0}},
          {1, 3, 2, {4, 3}},
          {8, 10, 5, std::vector<float>{11, 10, 9, 8, 7}},
          {8, 14, 4, std::vector<float>{15, 14, 13, 12}}}) {
        tarnivel::clsDataStore store;
        store.setBufferSize(size);
        for (int i = 1; i <= count; ++i)
            store.PutValue(static_cast<float>(i));
        store.setBufferSize(resized);
        store.PutValue(static_cast<float>(count + 1));
        for (int age = 1; age <= resized; ++age)
            EXPECT_EQ(store.GetValue(age), ages[static_cast<std::size_t>(age - 1)]) << age;
        for (const int age : {0, resized + 1})
            EXPECT_THROW(store.GetValue(age), std::runtime_error);
    }
    EXPECT_NO_THROW(tarnivel::clsDataStore().setBufferSize(tarnivel::clsDataStore::kMaxBufferSize));
}

// One column 50 rows high: background down to row `b`, the larger sample's colour down to row
// `o`, overlap below. A line stops before its end row (y rounded half to even: 99 -> y = 0.5 ->
// row 0, 97 -> y = 1.5 -> row 2) and always paints its start row, the bottom one.
TEST(GraphRaster, ColumnRule)
{
    const std::tuple<float, float, float, float, int, int, char> rows[] = {
        {0, 100, 200, 0, 0, 49, 'D'},      {0, 100, 50, 100, 1, 26, 'U'},
        {0, 100, 50, 50, 26, 26, '.'},     {0, 100, 99, 97, 1, 3, 'D'},
        {0, 0, 80, 30, 1, 1, '.'},         {10, 100, 110, 100, 1, 6, 'D'},
        {0, 1e-30f, 1e30f, 0, 0, 49, 'D'}, {0, 100, std::nanf(""), 50, 26, 49, 'U'}};
    for (const auto& [min, max, dl, ul, b, o, colour] : rows) {
        Image img(1, 50);
        DrawColumn(img.s, 0, dl, ul, {min, max}, kColours);
        EXPECT_EQ(std::string(img.px.begin(), img.px.end()),
                  std::string(50, 'O').replace(0, o, o, colour).replace(0, b, b, '.'));
    }
    // A tiny scale pushes y past the float range: clamped, as converting it would be undefined.
    EXPECT_EQ(ScaleValue(1e30f, {0, 1e-30f}, 50), -FLT_MAX);
}

// For random histories, sizes, scales and pixel scales: a DrawGraph, then shifts, give in k x k
// blocks the image of one DrawGraph at a pixel scale of 1 over the rightmost 1000 columns; left of
// them that leaves background (a shift keeps what scrolled through).
TEST(GraphRaster, ScrollingAndRedrawingAgree)
{
    std::mt19937 rng(20240601);
    std::uniform_real_distribution<float> sample(-10, 130);
    for (int round = 0; round < 40; ++round) {
        const int w = 1 + rng() % 1100, h = 1 + rng() % 40, k = 1 + rng() % 3;
        const Scale scale{sample(rng) / 14, 50.0f * (rng() % 5 - 1.0f)};
        tarnivel::clsDataThread dl, ul;
        Image scrolled(w, h, k, '?'), flat(w, h, 1, '?');
        DrawGraph(scrolled.s, dl, ul, scale, kColours);
        for (std::size_t i = 1 + rng() % 2500; i > 0; --i) {
            const float d = sample(rng), u = i % 7 ? sample(rng) : d; // some equal
            dl.NewValue(d);
            ul.NewValue(u);
            ShiftDisplayLeft(scrolled.s, d, u, scale, kColours);
        }
        DrawGraph(flat.s, dl, ul, scale, kColours);
        for (int y = 0; y < h * k; ++y)
            for (int x = 0; x < w * k; ++x)
                ASSERT_EQ(flat.at(x / k, y / k), x < (w - 1000) * k ? '.' : scrolled.at(x, y));
    }
}
