#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <algorithm>
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
                         {0, 100, 100, 0},
                         {0, 100, 200, -50},
                         {0, 100, 0, 50},
                         {10, 100, 110, 0},
                         {0, 0, 80, 0},
                         {0, -5, 80, 0},
                         {0, 1e-30f, 1e30f, -FLT_MAX},
                         {0, 100, -INFINITY, FLT_MAX},
                         {0, 100, nan, 50},
                         {0, nan, 80, 0}})
        EXPECT_EQ(ScaleValue(c.v, {c.min, c.max}, 50), c.y) << c.min << ' ' << c.max << ' ' << c.v;
}

TEST(GraphRaster, LineTopRow)
{
    // Bottom row 9; the end row is y rounded half to even and stays unpainted.
    struct Case {
        float y;
        int top;
    };
    for (const Case c : {Case{10, 9},
                         {9.4f, 9},
                         {8.5f, 9},
                         {7.5f, 9},
                         {7.4f, 8},
                         {0, 1},
                         {0.5f, 1},
                         {-0.6f, 0},
                         {-FLT_MAX, 0},
                         {FLT_MAX, 9},
                         {std::nanf(""), 9}})
        EXPECT_EQ(LineTopRow(c.y, 10), c.top) << c.y;
}

TEST(GraphRaster, ColumnRule)
{
    struct Case {
        float max, dl, ul;
        const char* column;
    };
    for (const Case c : {Case{100, 80, 30, "...DDDDDOO"},
                         {100, 30, 80, "...UUUUUOO"},
                         {100, 60, 60, ".....OOOOO"},
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

TEST(GraphRaster, ShiftMovesOneColumnAndRedrawsTheNewOne)
{
    Image img(3, 4);
    Clear(img.surface, 'x');
    DrawColumn(img.surface, 1, 100, 50, {0, 100}, kColours);
    DrawColumn(img.surface, 2, 50, 100, {0, 100}, kColours);
    ShiftDisplayLeft(img.surface, 25, 25, {0, 100}, kColours);
    EXPECT_EQ(img.column(0), "xDDO");
    EXPECT_EQ(img.column(1), "xUUO");
    EXPECT_EQ(img.column(2), "...O");
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

// For random histories and sizes: DrawGraph equals a Clear plus the column rule per age, a scale
// of k equals the k = 1 image blown up, and N shifts after a DrawGraph equal one DrawGraph over
// the rightmost 1000 columns.
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
        for (int i = std::uniform_int_distribution(0, 1100)(rng); i > 0; --i) {
            dl.NewValue(sample(rng));
            ul.NewValue(i % 7 == 0 ? dl.GetLatestValue() : sample(rng));
        }
        Image scrolled(w, h, k), reference(w, h), scaledUp(w, h, k);
        DrawGraph(scrolled.surface, dl, ul, scale, kColours);
        Clear(reference.surface, kColours.back);
        for (int age = 1; age <= 1000 && age <= w; ++age)
            DrawColumn(reference.surface, w - age, dl.GetDataValue(age), ul.GetDataValue(age),
                       scale, kColours);
        DrawGraph(scaledUp.surface, dl, ul, scale, kColours);
        for (int y = 0; y < h * k; ++y)
            for (int x = 0; x < w * k; ++x)
                ASSERT_EQ(scaledUp.at(x, y), reference.at(x / k, y / k))
                    << w << 'x' << h << '@' << k;

        for (int n = std::uniform_int_distribution(1, 1500)(rng); n > 0; --n) {
            dl.NewValue(sample(rng));
            ul.NewValue(sample(rng));
            ShiftDisplayLeft(scrolled.surface, dl.GetLatestValue(), ul.GetLatestValue(), scale,
                             kColours);
        }
        Image redrawn(w, h, k);
        DrawGraph(redrawn.surface, dl, ul, scale, kColours);
        // Columns older than the history (left of w - 1000) keep what was scrolled through them.
        for (int y = 0; y < h * k; ++y)
            for (int x = std::max(0, w - 1000) * k; x < w * k; ++x)
                ASSERT_EQ(scrolled.at(x, y), redrawn.at(x, y)) << w << 'x' << h << '@' << k;
    }
}
