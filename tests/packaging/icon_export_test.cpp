#include "packaging/icon_svg.h"
#include "resources/app_icon.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tarnivel {
namespace {

// Paints an SVG's rectangles onto a transparent picture; a pixel painted twice fails the test.
Picture paint(const std::string& svg, int width, int height)
{
    Picture painted(width, height, kTransparent);
    std::istringstream lines(svg);
    std::string line;
    while (std::getline(lines, line)) {
        int x = 0, y = 0, w = 0, h = 0;
        unsigned rgb = 0;
        float opacity = 1;
        if (std::sscanf(
                line.c_str(),
                R"(<rect x="%d" y="%d" width="%d" height="%d" fill="#%6X" fill-opacity="%f")", &x,
                &y, &w, &h, &rgb, &opacity) < 5)
            continue;
        const auto alpha = static_cast<std::uint32_t>(std::lround(opacity * 255));
        for (int row = y; row < y + h; ++row)
            for (int column = x; column < x + w; ++column) {
                EXPECT_EQ(painted.at(column, row), kTransparent)
                    << "overlap at " << column << ',' << row;
                painted.at(column, row) = alpha << 24 | rgb;
            }
    }
    return painted;
}

TEST(IconSvg, PaintsExactlyThePicturesPixels)
{
    constexpr std::uint32_t A = 0xFF112233, B = 0xFFAABBCC, H = 0x80FFFFFF, T = kTransparent;
    // Runs that change their width below, a gap of one row, half transparency.
    Picture mixed(3, 4, T);
    mixed.pixels = {A, A, B, A, B, B, T, T, H, A, T, T};
    std::vector<Picture> pictures = {mixed, Picture(2, 2, T)};
    for (const int size : {16, 32, 48, 64, 128})
        pictures.push_back(appIconPicture(size));
    for (const Picture& p : pictures) {
        const std::string svg = pictureToSvg(p);
        EXPECT_NE(svg.find("viewBox=\"0 0 " + std::to_string(p.width) + ' ' +
                           std::to_string(p.height) + '"'),
                  std::string::npos);
        EXPECT_EQ(paint(svg, p.width, p.height).pixels, p.pixels) << p.width << " px";
    }
    const std::string solid = pictureToSvg(Picture(2, 3, A)); // runs merge downwards
    EXPECT_EQ(solid.find("<rect"), solid.rfind("<rect"));
}

// The larger icons keep the small ones' grey frame corner and empty top row, and their white
// trace stays inside the screen's black area.
TEST(AppIcon, DrawnAtEveryMultipleOf16)
{
    for (const int size : {48, 64, 128, 256}) {
        const Picture icon = appIconPicture(size);
        EXPECT_EQ(icon.width, size);
        const int k = size / 16;
        EXPECT_EQ(icon.at(0, k), 0xFFC0C0C0u) << size;
        EXPECT_EQ(icon.at(0, 0), kTransparent) << size;
        int outside = 0, inside = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (icon.at(x, y) == 0xFFFFFFFF)
                    ++(y >= 2 * k && y < 11 * k && x >= k && x < size - k ? inside : outside);
        EXPECT_EQ(outside, 0) << size;
        EXPECT_GT(inside, size) << size;
    }
    for (const int size : {0, 8, 24, -16})
        EXPECT_THROW(appIconPicture(size), std::invalid_argument) << size;
}

} // namespace
} // namespace tarnivel
