#pragma once

#include <cstddef>
#include <cstdint>

namespace tarnivel {

class clsDataThread;

namespace raster {

// A 32-bit pixel buffer (0xFFRRGGBB) seen as a surface of width x height logical pixels. Each
// logical pixel is a scale x scale block of physical pixels, so the bars stay crisp on screens
// with a device-pixel ratio; stride is the number of pixels from one physical row to the next.
struct Surface {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int scale = 1;
    std::ptrdiff_t stride = 0;
};

// Its defaults are the graph control's too.
struct Scale {
    float minValue = 0.0f;
    float maxValue = 100.0f;
};

// Pixel values of the series, of the part both cover, and of the background.
struct Colours {
    std::uint32_t dl = 0;
    std::uint32_t ul = 0;
    std::uint32_t overlap = 0;
    std::uint32_t back = 0;
};

// y of a sample on a surface scaleHeight rows high: scaleHeight at minValue, 0 at
// minValue + maxValue; 0 for every sample when maxValue <= 0. Not clamped to the surface, but
// kept finite: a y beyond the float range becomes +-FLT_MAX and NaN becomes scaleHeight.
float ScaleValue(float sngValue, const Scale& scale, int scaleHeight);

// x of the column of a sample age (1 = newest = the rightmost column).
int GetColumnX(int age, int scaleWidth);

// The row rule shared by every column drawn, so that a scrolled image and a redrawn one agree
// pixel for pixel. A line from the bottom row up to y paints its start row and stops before its
// end row r = y rounded half to even: it covers rows r + 1 .. height - 1 cut at row 0, and at
// least the bottom row when r is at or below it. Returns the topmost row painted.
int LineTopRow(float y, int height);

// Fills the whole surface with one pixel value.
void Clear(const Surface& surface, std::uint32_t pixel);

// The column rule at x: from the bottom up, the overlap colour to the smaller sample's height,
// then the larger sample's series colour to its height; rows above are left as they are. The
// sample values (not their rows) decide which series shows, equal samples give only overlap.
void DrawColumn(const Surface& surface, int x, float dl, float ul, const Scale& scale,
                const Colours& colours);

// Moves the image one column left (read before written, like an overlapping block copy), clears
// the rightmost column to the background and draws dl/ul there.
void ShiftDisplayLeft(const Surface& surface, float dl, float ul, const Scale& scale,
                      const Colours& colours);

// Clears the surface and draws ages 1 to 1000 of both series, the newest at the right edge.
// Columns left of width - 1000 stay background. Drawn row by row: same pixels as one
// DrawColumn per age after a Clear, written in memory order.
void DrawGraph(const Surface& surface, const clsDataThread& dlThread, const clsDataThread& ulThread,
               const Scale& scale, const Colours& colours);

} // namespace raster
} // namespace tarnivel
