#pragma once

#include <array>

namespace tarnivel {

// The main window's layout. The window keeps its size in twips (15 per logical pixel) for
// the settings; everything on screen is in whole logical pixels.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kMinWidthTwips = 200.0;
inline constexpr double kMaxWidthTwips = 7000.0;
inline constexpr double kMinHeightTwips = 400.0;
inline constexpr double kMaxHeightTwips = 7000.0;

constexpr double twipsToPixels(double twips)
{
    return twips / kTwipsPerPixel;
}
constexpr double pixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The whole-pixel sizes that lie inside the twips limits: 14 x 27 up to 466 x 466.
PixelSize minimumWindowSize();
PixelSize maximumWindowSize();

// A stored size in twips as the window's size in pixels, brought inside the limits.
PixelSize windowSizeFromTwips(double widthTwips, double heightTwips);

// A rectangle in (fractional) pixels of the client area.
struct LayoutRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The label: full width, 10 pixels high, its top 170 twips (11.333 pixels) above the bottom.
LayoutRect labelLayout(int clientWidth, int clientHeight);
// The graph: from the top-left corner, full width, down to 13 pixels above the bottom.
LayoutRect graphLayout(int clientWidth, int clientHeight);

// Whole-pixel edges; right and bottom are exclusive.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The edges of a layout rectangle: sums first, then each edge rounded halves to even.
EdgeRect roundedEdges(const LayoutRect& rect);

// The window's visible outline: the label's rectangle, then the graph's.
std::array<EdgeRect, 2> windowShape(int clientWidth, int clientHeight);

} // namespace tarnivel
