#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace tarnivel;
using namespace tarnivel::raster;

namespace {

constexpr Colours kColours{'D', 'U', 'O', '.'};

struct Image {
    Image(int w, int h, int k = 1)
        : pixels(static_cast<std::size_t>(w * k * h * k), 0), surface{pixels.data(), w, h, k, w * k}
    {}
    std::uint32_t at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y * surface.stride + x)];
    }
    // Logical column x from top to bottom, one character per row.
    std::string column(int x) const
    {
        std::string s;
        for (int y = 0; y < surface.height; ++y)
            s += static_cast<char>(at(x * surface.scale, y * surface.scale));
        return s;
    }
    std::vector<std::uint32_t> pixels;
    Surface surface;
};

} // namespace

TEST(GraphRaster, ScaleValue)
{
    const float nan = std::nanf("");
    struct Case {
        float min, max, v, y;
    };
    for (const Case c : {Case{0, 100, 50, 25},
                         {0, 100, 200, -50},
                         {10, 100, 110, 0},
                         {0, 0, 80, 0},
                         {0, -5, 80, 0},
                         {0, 1e-30f, 1e30f, -FLT_MAX},
                         {0, 100, -INFINITY, FLT_MAX},
                         {0, 100, nan, 50},
                         {0, nan, 80, 0}})
        EXPECT_EQ(ScaleValue(c.v, {c.min, c.max}, 50), c.y) << c.min << ' ' << c.max << ' ' << c.v;
}

// Rows of one column, 10 high, top first. A line stops before its end row, y rounded half to even
// (35 -> y = 6.5 -> row 6), and always paints its start row, the bottom one.
TEST(GraphRaster, ColumnRule)
{
    struct Case {
        float max, dl, ul;
        const char* column;
    };
    for (const Case c : {Case{100, 80, 30, "...DDDDDOO"},
                         {100, 30, 80, "...UUUUUOO"},
                         {100, 60, 60, ".....OOOOO"},
                         {100, 35, 25, ".......DDO"},
                         {100, 0, 0, ".........O"},
                         {100, -5, 1000, "UUUUUUUUUO"},
                         {0, 80, 30, ".OOOOOOOOO"},
                         {100, std::nanf(""), 50, "......UUUO"}}) {
        Image img(1, 10);
        Clear(img.surface, '.');
        DrawColumn(img.surface, 0, c.dl, c.ul, {0, c.max}, kColours);
        EXPECT_EQ(img.column(0), c.column) << c.max << ' ' << c.dl << ' ' << c.ul;
    }
}

TEST(GraphRaster, WideSurfaceShowsAThousandColumnsUntilScrolledFull)
{
    clsDataThread dl, ul;
    Image img(1200, 5);
    DrawGraph(img.surface, dl, ul, {0, 100}, kColours);
    EXPECT_EQ(img.column(199), ".....");
    EXPECT_EQ(img.column(200), "....O");
    EXPECT_EQ(img.column(1199), "....O");
    for (int i = 0; i < 1200; ++i)
        ShiftDisplayLeft(img.surface, 0, 0, {0, 100}, kColours);
    EXPECT_EQ(img.column(0), "....O");
}

// For random histories, sizes and pixel scales: N shifts after a DrawGraph give the image of one
// DrawGraph over the rightmost 1000 columns (older columns keep what scrolled through them), and a
// pixel scale of k gives the k = 1 image in k x k blocks.
TEST(GraphRaster, ScrollingAndRedrawingAgree)
{
    std::mt19937 rng(20240601);
    std::uniform_real_distribution<float> sample(-10, 130);
    for (int round = 0; round < 40; ++round) {
        const int w = std::uniform_int_distribution(1, 1100)(rng);
        const int h = std::uniform_int_distribution(1, 40)(rng);
        const int k = std::uniform_int_distribution(1, 3)(rng);
        const Scale scale{std::uniform_real_distribution<float>(-5, 5)(rng), 100};
        clsDataThread dl, ul;
        auto append = [&](int i) {
            dl.NewValue(sample(rng));
            ul.NewValue(i % 7 == 0 ? dl.GetLatestValue() : sample(rng));
        };
        for (int i = std::uniform_int_distribution(0, 1100)(rng); i > 0; --i)
            append(i);
        Image scrolled(w, h, k), redrawn(w, h, k), flat(w, h);
        DrawGraph(scrolled.surface, dl, ul, scale, kColours);
        for (int i = std::uniform_int_distribution(1, 1500)(rng); i > 0; --i) {
            append(i);
            ShiftDisplayLeft(scrolled.surface, dl.GetLatestValue(), ul.GetLatestValue(), scale,
                             kColours);
        }
        DrawGraph(redrawn.surface, dl, ul, scale, kColours);
        DrawGraph(flat.surface, dl, ul, scale, kColours);
        for (int y = 0; y < h * k; ++y)
            for (int x = 0; x < w * k; ++x) {
                ASSERT_EQ(redrawn.at(x, y), flat.at(x / k, y / k)) << w << 'x' << h << '@' << k;
                if (x >= (w - 1000) * k) {
                    ASSERT_EQ(scrolled.at(x, y), redrawn.at(x, y)) << w << 'x' << h << '@' << k;
                }
            }
    }
}
