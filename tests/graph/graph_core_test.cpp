#include "graph/data_store.h"
#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <vector>

// Ages 1.. after the samples 1..count in `size` slots, re-sized, then one more: the newest
// samples stay in age order whichever side of the new end the write position lies on.
TEST(DataStore, KeepsAgesThroughResize)
{
    // clang-format off
    for (const auto& [size, count, resized, ages] :
         {std::tuple{5, 7, 8, std::vector<float>{8, 7, 6, 5, 4, 3, 0, 0}}, {1, 3, 2, {4, 3}},
          {8, 10, 5, {11, 10, 9, 8, 7}}, {8, 14, 4, {15, 14, 13, 12}}}) {
        // clang-format on
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

// The meter's pictures check the drawing itself, at pixel ratio 1. On a screen of pixel ratio 2
// each pixel is a 2 x 2 block, in what is drawn whole and in what scrolls in. Columns older than
// the history stay background.
TEST(GraphRaster, HighDensityScreensShowBlocksOfTheSamePixels)
{
    using namespace tarnivel::raster;
    tarnivel::clsDataThread dl, ul;
    for (int i = 0; i < 1005; ++i)
        dl.NewValue(i % 7 * 15.0f), ul.NewValue(i % 5 * 25.0f);
    const int w = 1003, h = 9;
    std::vector<std::uint32_t> one(w * h), two(4 * w * h);
    for (const Surface& s : {Surface{one.data(), w, h, 1, w}, {two.data(), w, h, 2, 2 * w}}) {
        DrawGraph(s, dl, ul, {}, {1, 2, 3, 4});
        ShiftDisplayLeft(s, 80, 20, {}, {1, 2, 3, 4});
    }
    std::size_t unlike = 0;
    for (std::size_t i = 0; i < two.size(); ++i)
        unlike += two[i] != one[i / (4 * w) * w + i % (2 * w) / 2];
    EXPECT_EQ(unlike, 0u);
    // At the bottom, after the scroll: background where age 1001 would be, then age 1000.
    EXPECT_EQ(std::pair(one[h * w - w + 1], one[h * w - w + 2]), std::pair(4u, 3u));
    // A tiny scale pushes y past the float range: clamped, as converting it would be undefined.
    EXPECT_EQ(ScaleValue(1e30f, {0, 1e-30f}, 50), -FLT_MAX);
}
