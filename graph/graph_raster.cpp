#include "graph/graph_raster.h"

#include "app/rounding.h"
#include "graph/data_thread.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

namespace tarnivel::raster {

namespace {

// One column after the column rule: rows [topBar, topOverlap) in barColour, rows
// [topOverlap, bottom] in the overlap colour. An empty span (both tops = height) is background.
struct ColumnSpan {
    int topBar;
    int topOverlap;
    std::uint32_t barColour;
};

bool isEmpty(const Surface& s)
{
    return s.pixels == nullptr || s.width <= 0 || s.height <= 0 || s.scale <= 0;
}

ColumnSpan makeSpan(float dl, float ul, const Scale& scale, const Colours& colours, int height)
{
    const int topDl = LineTopRow(ScaleValue(dl, scale, height), height);
    const int topUl = LineTopRow(ScaleValue(ul, scale, height), height);
    // The larger sample's line is drawn first in its colour, the other over it in overlap.
    if (dl > ul)
        return {std::min(topDl, topUl), topUl, colours.dl};
    return {std::min(topDl, topUl), topDl, colours.ul};
}

std::uint32_t* physicalRow(const Surface& s, int physicalY)
{
    return s.pixels + static_cast<std::ptrdiff_t>(physicalY) * s.stride;
}

// Paints logical rows [top, bottom] of column x in one pixel value.
void fillColumn(const Surface& s, int x, int top, int bottom, std::uint32_t pixel)
{
    for (int py = top * s.scale; py < (bottom + 1) * s.scale; ++py)
        std::fill_n(physicalRow(s, py) + static_cast<std::ptrdiff_t>(x) * s.scale, s.scale, pixel);
}

void drawSpan(const Surface& s, int x, const ColumnSpan& span, std::uint32_t overlap)
{
    if (span.topBar < span.topOverlap)
        fillColumn(s, x, span.topBar, span.topOverlap - 1, span.barColour);
    fillColumn(s, x, span.topOverlap, s.height - 1, overlap);
}

} // namespace

float ScaleValue(float sngValue, const Scale& scale, int scaleHeight)
{
    if (!(scale.maxValue > 0.0f))
        return 0.0f;
    const double y = (1.0 - (static_cast<double>(sngValue) - static_cast<double>(scale.minValue)) /
                                static_cast<double>(scale.maxValue)) *
                     scaleHeight;
    if (std::isnan(y))
        return static_cast<float>(scaleHeight);
    // A tiny scale can push y past the float range; clamping keeps the meter drawing.
    return static_cast<float>(
        std::clamp(y, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

int GetColumnX(int age, int scaleWidth)
{
    return scaleWidth - age;
}

int LineTopRow(float y, int height)
{
    const int bottom = height - 1;
    if (!(y < static_cast<float>(bottom)))
        return bottom;
    if (y < -1.0f)
        return 0;
    const int endRow = static_cast<int>(roundHalfEven(y));
    return std::clamp(endRow + 1, 0, bottom);
}

void Clear(const Surface& surface, std::uint32_t pixel)
{
    if (isEmpty(surface))
        return;
    const std::size_t rowPixels = static_cast<std::size_t>(surface.width) * surface.scale;
    for (int py = 0; py < surface.height * surface.scale; ++py)
        std::fill_n(physicalRow(surface, py), rowPixels, pixel);
}

void DrawColumn(const Surface& surface, int x, float dl, float ul, const Scale& scale,
                const Colours& colours)
{
    if (isEmpty(surface) || x < 0 || x >= surface.width)
        return;
    drawSpan(surface, x, makeSpan(dl, ul, scale, colours, surface.height), colours.overlap);
}

void ShiftDisplayLeft(const Surface& surface, float dl, float ul, const Scale& scale,
                      const Colours& colours)
{
    if (isEmpty(surface))
        return;
    const int k = surface.scale;
    const std::size_t moved = static_cast<std::size_t>(surface.width - 1) * k;
    for (int py = 0; py < surface.height * k; ++py) {
        std::uint32_t* row = physicalRow(surface, py);
        std::memmove(row, row + k, moved * sizeof(std::uint32_t));
    }
    const int x = surface.width - 1;
    fillColumn(surface, x, 0, surface.height - 1, colours.back);
    DrawColumn(surface, x, dl, ul, scale, colours);
}

void DrawGraph(const Surface& surface, const clsDataThread& dlThread, const clsDataThread& ulThread,
               const Scale& scale, const Colours& colours)
{
    if (isEmpty(surface))
        return;
    const int w = surface.width;
    const int h = surface.height;
    const int k = surface.scale;
    std::vector<ColumnSpan> spans(static_cast<std::size_t>(w), ColumnSpan{h, h, colours.back});
    for (int age = 1; age <= clsDataThread::kHistoryLength; ++age) {
        const int x = GetColumnX(age, w);
        if (x < 0)
            break;
        spans[static_cast<std::size_t>(x)] =
            makeSpan(dlThread.GetDataValue(age), ulThread.GetDataValue(age), scale, colours, h);
    }

    const std::size_t rowPixels = static_cast<std::size_t>(w) * k;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* out = physicalRow(surface, y * k);
        std::uint32_t* p = out;
        for (const ColumnSpan& span : spans) {
            const std::uint32_t pixel = y >= span.topOverlap ? colours.overlap
                                        : y >= span.topBar   ? span.barColour
                                                             : colours.back;
            p = std::fill_n(p, k, pixel);
        }
        for (int dy = 1; dy < k; ++dy)
            std::memcpy(physicalRow(surface, y * k + dy), out, rowPixels * sizeof(std::uint32_t));
    }
}

} // namespace tarnivel::raster
