#include "ui/main/window_geometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarnivel {
namespace {

TEST(WindowGeometry, LimitsInWholePixelsInsideTheTwipsRange)
{
    EXPECT_EQ(minimumWindowSize(), (PixelSize{14, 27}));
    EXPECT_EQ(maximumWindowSize(), (PixelSize{466, 466}));
}

struct StoredSizeCase {
    double widthTwips, heightTwips;
    PixelSize pixels;
};

class StoredSizeTest : public ::testing::TestWithParam<StoredSizeCase> {};

TEST_P(StoredSizeTest, ConvertsAndClamps)
{
    const auto& c = GetParam();
    EXPECT_EQ(windowSizeFromTwips(c.widthTwips, c.heightTwips), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StoredSizeTest,
    ::testing::Values(StoredSizeCase{1935, 1230, {129, 82}}, StoredSizeCase{100, 100, {14, 27}},
                      StoredSizeCase{7500, 9000, {466, 466}},
                      StoredSizeCase{7000, 7000, {466, 466}},
                      StoredSizeCase{1942.5, 1237.5, {130, 82}}, // 129.5 -> 130, 82.5 -> 82
                      StoredSizeCase{-1e300, 1e300, {14, 466}},
                      StoredSizeCase{std::numeric_limits<double>::quiet_NaN(), 1230, {14, 82}}));

struct LayoutCase {
    int width, height;
    EdgeRect label, graph;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, LabelAndGraphFollowTheSize)
{
    const auto& c = GetParam();
    const LayoutRect label = labelLayout(c.width, c.height);
    EXPECT_NEAR(c.height - label.top, 11.333, 0.001);
    EXPECT_EQ(label.width, c.width);
    EXPECT_EQ(label.height, 10);
    const LayoutRect graph = graphLayout(c.width, c.height);
    EXPECT_EQ(graph.top + graph.height, c.height - 13);
    EXPECT_EQ(graph.width, c.width);
    const auto shape = windowShape(c.width, c.height);
    EXPECT_EQ(shape[0], c.label);
    EXPECT_EQ(shape[1], c.graph);
}

// At 129 x 82 the graph covers rows 0-68 and the label rows 71-80: rows 69, 70, 81 are cut out.
INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest,
                         ::testing::Values(LayoutCase{129, 82, {0, 71, 129, 81}, {0, 0, 129, 69}},
                                           LayoutCase{200, 100, {0, 89, 200, 99}, {0, 0, 200, 87}},
                                           LayoutCase{14, 27, {0, 16, 14, 26}, {0, 0, 14, 14}}));

TEST(WindowGeometry, RoundsEdgesHalvesToEven)
{
    EXPECT_EQ(roundedEdges({0.5, 1.5, 2.0, 1.0}), (EdgeRect{0, 2, 2, 2}));
    EXPECT_EQ(roundedEdges({2.5, 0.25, 1.0, 2.5}), (EdgeRect{2, 0, 4, 3}));
}

} // namespace
} // namespace tarnivel
