#include "packaging/icon_svg.h"

#include <gtest/gtest.h>

using namespace tarnivel;

// Like runs merge downwards into one rectangle, row after row, but not across a row where they
// stop nor with a run of another width below; transparent pixels get none, half-transparent ones an
// opacity.
TEST(IconSvg, OneRectanglePerRunMergedDownwards)
{
    constexpr std::uint32_t A = 0xFF112233, B = 0xFFAABBCC, H = 0x80FFFFFF, T = kTransparent;
    Picture picture(3, 5, T);
    picture.pixels = {A, A, B, A, A, B, A, T, B, H, T, B, A, A, B};
    EXPECT_EQ(pictureToSvg(picture),
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"3\" height=\"5\" "
              "viewBox=\"0 0 3 5\" shape-rendering=\"crispEdges\">\n"
              "<rect x=\"0\" y=\"0\" width=\"2\" height=\"2\" fill=\"#112233\"/>\n"
              "<rect x=\"2\" y=\"0\" width=\"1\" height=\"5\" fill=\"#AABBCC\"/>\n"
              "<rect x=\"0\" y=\"2\" width=\"1\" height=\"1\" fill=\"#112233\"/>\n"
              "<rect x=\"0\" y=\"3\" width=\"1\" height=\"1\" fill=\"#FFFFFF\" "
              "fill-opacity=\"0.502\"/>\n"
              "<rect x=\"0\" y=\"4\" width=\"2\" height=\"1\" fill=\"#112233\"/>\n"
              "</svg>\n");
}
