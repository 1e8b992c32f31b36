#include "ui/main/window_geometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarnivel {
namespace {

TEST(WindowGeometry, StoredSizesConvertAndClampToWholePixelsInsideTheLimits)
{
    struct Case {
        double widthTwips, heightTwips;
        PixelSize pixels;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Case& c : {Case{1935, 1230, {129, 82}}, Case{100, 100, {14, 27}},
                          Case{7500, 9000, {466, 466}}, Case{1942.5, 1237.5, {130, 82}},
                          Case{-1e300, 1e300, {14, 466}}, Case{nan, 1230, {14, 82}}})
        EXPECT_EQ(windowSizeFromTwips(c.widthTwips, c.heightTwips), c.pixels) << c.widthTwips;
    EXPECT_EQ(minimumWindowSize(), (PixelSize{14, 27}));
    EXPECT_EQ(maximumWindowSize(), (PixelSize{466, 466}));
}

TEST(WindowGeometry, LabelAndGraphFollowTheSize)
{
    struct Case {
        int width, height;
        EdgeRect label, graph;
    };
    // At 129 x 82 the graph covers rows 0-68 and the label rows 71-80.
    for (const Case& c : {Case{129, 82, {0, 71, 129, 81}, {0, 0, 129, 69}},
                          Case{200, 100, {0, 89, 200, 99}, {0, 0, 200, 87}},
                          Case{14, 27, {0, 16, 14, 26}, {0, 0, 14, 14}}}) {
        EXPECT_NEAR(c.height - labelLayout(c.width, c.height).top, 11.333, 0.001);
        const auto shape = windowShape(c.width, c.height);
        EXPECT_EQ(shape[0], c.label) << c.width;
        EXPECT_EQ(shape[1], c.graph) << c.width;
    }
    // Edges are rounded after the sums, halves to even.
    EXPECT_EQ(roundedEdges({0.5, 1.5, 2.0, 1.0}), (EdgeRect{0, 2, 2, 2}));
    EXPECT_EQ(roundedEdges({2.5, 0.25, 1.0, 2.5}), (EdgeRect{2, 0, 4, 3}));
}

} // namespace
} // namespace tarnivel
