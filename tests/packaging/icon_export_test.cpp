#include "packaging/icon_svg.h"
#include "resources/app_icon.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tarnivel {
namespace {

constexpr std::uint32_t A = 0xFF112233;
constexpr std::uint32_t B = 0xFFAABBCC;
constexpr std::uint32_t H = 0x80FFFFFF; // half transparent white
constexpr std::uint32_t T = kTransparent;

Picture picture(int width, int height, std::initializer_list<std::uint32_t> pixels)
{
    Picture p(width, height, T);
    p.pixels.assign(pixels);
    return p;
}

// The <rect> lines of an SVG, without the header and the closing tag.
std::string rects(const std::string& svg)
{
    std::istringstream lines(svg);
    std::string line, out;
    while (std::getline(lines, line))
        if (line.rfind("<rect", 0) == 0)
            out += line + "\n";
    return out;
}

TEST(IconSvg, OneRectanglePerRunMergedDownwardsWithoutTransparentPixels)
{
    const std::pair<Picture, std::string> cases[] = {
        {picture(3, 1, {A, A, B}),
         "<rect x=\"0\" y=\"0\" width=\"2\" height=\"1\" fill=\"#112233\"/>\n"
         "<rect x=\"2\" y=\"0\" width=\"1\" height=\"1\" fill=\"#AABBCC\"/>\n"},
        {picture(2, 3, {A, A, A, A, A, A}),
         "<rect x=\"0\" y=\"0\" width=\"2\" height=\"3\" fill=\"#112233\"/>\n"},
        // A run that changes its width below starts a new rectangle.
        {picture(3, 2, {A, A, B, A, B, B}),
         "<rect x=\"0\" y=\"0\" width=\"2\" height=\"1\" fill=\"#112233\"/>\n"
         "<rect x=\"2\" y=\"0\" width=\"1\" height=\"1\" fill=\"#AABBCC\"/>\n"
         "<rect x=\"0\" y=\"1\" width=\"1\" height=\"1\" fill=\"#112233\"/>\n"
         "<rect x=\"1\" y=\"1\" width=\"2\" height=\"1\" fill=\"#AABBCC\"/>\n"},
        // A gap of one row ends a rectangle; the run below it starts another.
        {picture(1, 3, {A, T, A}),
         "<rect x=\"0\" y=\"0\" width=\"1\" height=\"1\" fill=\"#112233\"/>\n"
         "<rect x=\"0\" y=\"2\" width=\"1\" height=\"1\" fill=\"#112233\"/>\n"},
        {picture(2, 1, {T, H}), "<rect x=\"1\" y=\"0\" width=\"1\" height=\"1\" fill=\"#FFFFFF\" "
                                "fill-opacity=\"0.502\"/>\n"},
        {picture(2, 2, {T, T, T, T}), ""},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(rects(pictureToSvg(input)), expected);
    EXPECT_NE(pictureToSvg(picture(1, 1, {A})).find(R"(viewBox="0 0 1 1")"), std::string::npos);
}

TEST(IconSvg, TheSvgOfEveryIconSizePaintsExactlyItsPixels)
{
    for (const int size : {16, 32, 48, 64, 128}) {
        const Picture icon = appIconPicture(size);
        Picture painted(size, size, T);
        std::istringstream lines(rects(pictureToSvg(icon)));
        std::string line;
        while (std::getline(lines, line)) {
            int x = 0, y = 0, w = 0, h = 0;
            unsigned rgb = 0;
            ASSERT_EQ(std::sscanf(line.c_str(),
                                  R"(<rect x="%d" y="%d" width="%d" height="%d" fill="#%6X")", &x,
                                  &y, &w, &h, &rgb),
                      5)
                << line;
            for (int row = y; row < y + h; ++row)
                for (int column = x; column < x + w; ++column) {
                    EXPECT_EQ(painted.at(column, row), T) << "overlap at " << column << ',' << row;
                    painted.at(column, row) = 0xFF000000 | rgb;
                }
        }
        EXPECT_EQ(painted.pixels, icon.pixels) << size << " px";
    }
}

// FNV-1a over the pixels' bytes: the small icons must keep their hand-checked pixels.
std::uint64_t fingerprint(const Picture& p)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint32_t pixel : p.pixels)
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (pixel >> shift) & 0xFF;
            hash *= 1099511628211ull;
        }
    return hash;
}

TEST(AppIcon, DrawnAtEveryMultipleOf16WithTheSmallSizesUnchanged)
{
    EXPECT_EQ(fingerprint(appIconPicture(16)), 0x11c27ec5baec39edull);
    EXPECT_EQ(fingerprint(appIconPicture(32)), 0x6b8ed40cf8cf6d4cull);
    for (const int size : {48, 64, 128, 256}) {
        const Picture icon = appIconPicture(size);
        EXPECT_EQ(icon.width, size);
        // Frame corner and transparent top row as in the small icons; the white trace stays
        // inside the screen's black area.
        const int k = size / 16;
        EXPECT_EQ(icon.at(0, k), 0xFFC0C0C0u) << size;
        EXPECT_EQ(icon.at(0, 0), T) << size;
        int outside = 0, inside = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (icon.at(x, y) == 0xFFFFFFFF)
                    ++(y >= 2 * k && y < 11 * k && x >= k && x < size - k ? inside : outside);
        EXPECT_EQ(outside, 0) << size;
        EXPECT_GT(inside, size) << size;
    }
    for (const int size : {0, 8, 24, 40, -16})
        EXPECT_THROW(appIconPicture(size), std::invalid_argument) << size;
}

} // namespace
} // namespace tarnivel
