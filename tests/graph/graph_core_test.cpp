#include "app/error.h"
#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <vector>

using namespace tarnivel;
using namespace tarnivel::raster;

namespace {

constexpr Colours kColours{'D', 'U', 'O', '.'};

// A w x h surface of k x k pixel blocks, filled with the background.
struct Image {
    Image(int w, int h, int k = 1)
        : px(static_cast<std::size_t>(w * k * h * k), '.'), s{px.data(), w, h, k, w * k}
    {}
    std::uint32_t at(int x, int y) const { return px[static_cast<std::size_t>(y * s.stride + x)]; }
    std::vector<std::uint32_t> px;
    Surface s;
};

} // namespace

// Ages 1.. after the samples 1..count in `size` slots, re-sized, then one more: the newest
// samples stay in age order whichever side of the new end the write position lies on. A
// refused size or age raises the objects' error and changes nothing.
TEST(DataStore, KeepsAgesThroughResizeAndRefusesBadSizesAndAges)
{
    for (const auto& [size, count, resized, ages] :
         {std::tuple{5, 7, 8, std::vector<float>{8, 7, 6, 5, 4, 3, 0, 0}},
          {8, 10, 5, std::vector<float>{11, 10, 9, 8, 7}},
          {8, 14, 4, std::vector<float>{15, 14, 13, 12}}}) {
        clsDataStore store;
        store.setBufferSize(size);
        for (int i = 1; i <= count; ++i)
            store.PutValue(static_cast<float>(i));
        store.setBufferSize(resized);
        store.PutValue(static_cast<float>(count + 1));
        for (int age = 1; age <= resized; ++age)
            EXPECT_EQ(store.GetValue(age), ages[static_cast<std::size_t>(age - 1)]) << age;
    }
    clsDataStore store, unsized;
    store.setBufferSize(3);
    store.PutValue(1);
    for (const int size : {0, 10001})
        EXPECT_THROW(store.setBufferSize(size), Error) << size;
    for (const int age : {0, 4})
        EXPECT_THROW(store.GetValue(age), Error) << age;
    EXPECT_THROW(unsized.PutValue(1), Error);
    EXPECT_EQ(store.BufferSize(), 3);
    EXPECT_EQ(store.GetValue(1), 1.0f);
    store.setBufferSize(10000); // the largest size is accepted
}

// One column 50 rows high: background down to row `bar`, the larger sample's colour down to row
// `overlap`, overlap below. A line stops before its end row (y rounded half to even: 99 -> y = 0.5
// -> row 0, 97 -> y = 1.5 -> row 2) and always paints its start row, the bottom one.
TEST(GraphRaster, ColumnRule)
{
    using Row = std::tuple<float, float, float, float, int, int, char>;
    const Row rows[] = {
        {0, 100, 200, 0, 0, 49, 'D'},      {0, 100, 50, 100, 1, 26, 'U'},
        {0, 100, 50, 50, 26, 26, '.'},     {0, 100, 99, 97, 1, 3, 'D'},
        {0, 0, 80, 30, 1, 1, '.'},         {10, 100, 110, 100, 1, 6, 'D'},
        {0, 1e-30f, 1e30f, 0, 0, 49, 'D'}, {0, 100, std::nanf(""), 50, 26, 49, 'U'}};
    for (const auto& [min, max, dl, ul, bar, overlap, colour] : rows) {
        Image img(1, 50);
        DrawColumn(img.s, 0, dl, ul, {min, max}, kColours);
        std::vector<std::uint32_t> column(50, 'O');
        std::fill_n(column.begin(), overlap, colour);
        std::fill_n(column.begin(), bar, '.');
        EXPECT_EQ(img.px, column) << min << ' ' << max << ' ' << dl << ' ' << ul;
    }
    // A tiny scale pushes y past the float range: clamped, as converting it would be undefined.
    EXPECT_EQ(ScaleValue(1e30f, {0, 1e-30f}, 50), -FLT_MAX);
}

// For random histories, sizes, scales and pixel scales: N shifts after a DrawGraph give the image
// of one DrawGraph over the rightmost 1000 columns, left of which a DrawGraph leaves background
// (a shift keeps what scrolled through them), and a pixel scale of k gives the k = 1 image in
// k x k blocks.
TEST(GraphRaster, ScrollingAndRedrawingAgree)
{
    std::mt19937 rng(20240601);
    auto between = [&](int lo, int hi) {
        return std::uniform_int_distribution(lo, hi)(rng);
    };
    std::uniform_real_distribution<float> sample(-10, 130);
    for (int round = 0; round < 40; ++round) {
        const int w = between(1, 1100), h = between(1, 40), k = between(1, 3);
        const Scale scale{std::uniform_real_distribution<float>(-5, 5)(rng),
                          50.0f * between(-1, 3)};
        clsDataThread dl, ul;
        Image scrolled(w, h, k), redrawn(w, h, k), flat(w, h);
        const int drawnAt = between(0, 1100), samples = drawnAt + between(1, 1500);
        for (int i = 0; i < samples; ++i) {
            if (i == drawnAt)
                DrawGraph(scrolled.s, dl, ul, scale, kColours);
            dl.NewValue(sample(rng));
            ul.NewValue(i % 7 == 0 ? dl.GetLatestValue() : sample(rng));
            if (i >= drawnAt)
                ShiftDisplayLeft(scrolled.s, dl.GetLatestValue(), ul.GetLatestValue(), scale,
                                 kColours);
        }
        DrawGraph(redrawn.s, dl, ul, scale, kColours);
        DrawGraph(flat.s, dl, ul, scale, kColours);
        for (int y = 0; y < h * k; ++y)
            for (int x = 0; x < w * k; ++x) {
                ASSERT_EQ(redrawn.at(x, y), flat.at(x / k, y / k)) << w << 'x' << h << '@' << k;
                ASSERT_EQ(x >= (w - 1000) * k ? scrolled.at(x, y) : kColours.back, redrawn.at(x, y))
                    << w << 'x' << h << '@' << k;
            }
    }
}
