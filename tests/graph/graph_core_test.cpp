#include "app/error.h"
#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <cfloat>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace tarnivel;
using namespace tarnivel::raster;

namespace {

// Ages 1.. of a store of `size` slots after the samples 1..count, re-sized, then `more` samples.
std::vector<float> agesAfter(int size, int count, int resized, int more = 0)
{
    clsDataStore store;
    store.setBufferSize(size);
    for (int i = 1; i <= count; ++i)
        store.PutValue(static_cast<float>(i));
    store.setBufferSize(resized);
    for (int i = count + 1; i <= count + more; ++i)
        store.PutValue(static_cast<float>(i));
    std::vector<float> ages;
    for (int age = 1; age <= store.BufferSize(); ++age)
        ages.push_back(store.GetValue(age));
    return ages;
}

constexpr Colours kColours{'D', 'U', 'O', '.'};

// A w x h surface of k x k pixel blocks, filled with the background.
struct Image {
    Image(int w, int h, int k = 1)
        : px(static_cast<std::size_t>(w * k * h * k), '.'), s{px.data(), w, h, k, w * k}
    {}
    std::uint32_t at(int x, int y) const { return px[static_cast<std::size_t>(y * s.stride + x)]; }
    // Column x from the top as runs of pixel values: "26.23D1O" is 26 background rows, 23 in the
    // incoming colour, then one overlap row.
    std::string runs(int x) const
    {
        std::string out;
        for (int y = 0, n = 1; y < s.height; ++y, ++n)
            if (y + 1 == s.height || at(x, y + 1) != at(x, y)) {
                out += std::to_string(n) + static_cast<char>(at(x, y));
                n = 0;
            }
        return out;
    }
    std::vector<std::uint32_t> px;
    Surface s;
};

} // namespace

TEST(DataStore, KeepsAgesThroughWrapAndResize)
{
    using V = std::vector<float>;
    EXPECT_EQ(agesAfter(4, 2, 4), (V{2, 1, 0, 0}));
    EXPECT_EQ(agesAfter(4, 5, 4), (V{5, 4, 3, 2}));
    // 5 slots after 7 samples hold (6, 7, 3, 4, 5), next write in slot 3; grown to 8 the next
    // sample lands in slot 3 over one of the new zero slots.
    EXPECT_EQ(agesAfter(5, 7, 8, 1), (V{8, 7, 6, 5, 4, 3, 0, 0}));
    EXPECT_EQ(agesAfter(8, 10, 5, 1), (V{11, 10, 9, 8, 7}));
    // The write position (7) lies beyond the new size: the newest samples stay in age order.
    EXPECT_EQ(agesAfter(8, 14, 4, 1), (V{15, 14, 13, 12}));
}

TEST(DataStore, ErrorsCarryTheObjectNumberAndChangeNothing)
{
    clsDataStore store, unsized;
    store.setBufferSize(3);
    store.PutValue(1);
    clsDataThread series;
    const std::vector<std::pair<std::function<void()>, std::string>> cases{
        {[&] { store.setBufferSize(10001); }, "Buffer Size too big: 10001"},
        {[&] { store.setBufferSize(0); }, "Buffer Size too big: 0"},
        {[&] { store.GetValue(0); }, "Bad pointer value: 0"},
        {[&] { store.GetValue(4); }, "Bad pointer value: 4"},
        {[&] { unsized.PutValue(1); }, "Buffer Size not set: the store holds no slots"},
        {[&] { unsized.GetValue(1); }, "Bad pointer value: 1"},
        {[&] { series.GetDataValue(0); }, "Bad pointer value"},
        {[&] { series.GetDataValue(1001); }, "Bad pointer value"},
    };
    for (const auto& [call, description] : cases) {
        try {
            call();
            ADD_FAILURE() << "no error, expected " << description;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), -2147221504);
            EXPECT_EQ(e.description(), description);
        }
    }
    EXPECT_EQ(store.BufferSize(), 3);
    EXPECT_EQ(store.GetValue(1), 1.0f);
    store.setBufferSize(10000); // the largest size is accepted
}

// One column 50 rows high. A line stops before its end row (y rounded half to even: 99 -> y = 0.5
// -> row 0, 97 -> y = 1.5 -> row 2) and always paints its start row, the bottom one.
TEST(GraphRaster, ColumnRule)
{
    using Row = std::tuple<float, float, float, float, std::string>;
    for (const auto& [min, max, dl, ul, runs] : {Row{0, 100, 200, 0, "49D1O"},
                                                 {0, 100, 50, 100, "1.25U24O"},
                                                 {0, 100, 50, 50, "26.24O"},
                                                 {0, 100, 99, 97, "1.2D47O"},
                                                 {0, 0, 80, 30, "1.49O"},
                                                 {0, -5, 30, 80, "1.49O"},
                                                 {10, 100, 110, 100, "1.5D44O"},
                                                 {0, 1e-30f, 1e30f, 0, "49D1O"},
                                                 {0, 100, std::nanf(""), 50, "26.23U1O"}}) {
        Image img(1, 50);
        DrawColumn(img.s, 0, dl, ul, {min, max}, kColours);
        EXPECT_EQ(img.runs(0), runs) << min << ' ' << max << ' ' << dl << ' ' << ul;
    }
    // A tiny scale pushes y past the float range: clamped, as converting it would be undefined.
    EXPECT_EQ(ScaleValue(1e30f, {0, 1e-30f}, 50), -FLT_MAX);
}

TEST(GraphRaster, WideSurfaceShowsAThousandColumnsUntilScrolledFull)
{
    clsDataThread dl, ul;
    Image img(1200, 5);
    DrawGraph(img.s, dl, ul, {0, 100}, kColours);
    EXPECT_EQ(img.runs(199), "5.");
    EXPECT_EQ(img.runs(200), "4.1O");
    for (int i = 0; i < 1200; ++i)
        ShiftDisplayLeft(img.s, 0, 0, {0, 100}, kColours);
    EXPECT_EQ(img.runs(0), "4.1O");
}

// For random histories, sizes, scales and pixel scales: N shifts after a DrawGraph give the image
// of one DrawGraph over the rightmost 1000 columns (older columns keep what scrolled through
// them), and a pixel scale of k gives the k = 1 image in k x k blocks.
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
                if (x >= (w - 1000) * k) {
                    ASSERT_EQ(scrolled.at(x, y), redrawn.at(x, y)) << w << 'x' << h << '@' << k;
                }
            }
    }
}
