#include "ui/main/window_geometry.h"

#include "app/rounding.h"

#include <algorithm>
#include <cmath>

namespace tarnivel {

namespace {

constexpr double kLabelTopFromBottomTwips = 170.0; // 1230 - 1060 at the design size
constexpr double kLabelHeight = 10.0;
constexpr double kGraphGapBelow = 13.0;

// Whole pixels; the values here are window sizes, far inside the int range.
int toWholePixels(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

} // namespace

PixelSize minimumWindowSize()
{
    return {static_cast<int>(std::ceil(twipsToPixels(kMinWidthTwips))),
            static_cast<int>(std::ceil(twipsToPixels(kMinHeightTwips)))};
}

PixelSize maximumWindowSize()
{
    return {static_cast<int>(std::floor(twipsToPixels(kMaxWidthTwips))),
            static_cast<int>(std::floor(twipsToPixels(kMaxHeightTwips)))};
}

PixelSize windowSizeFromTwips(double widthTwips, double heightTwips)
{
    const PixelSize low = minimumWindowSize();
    const PixelSize high = maximumWindowSize();
    // Clamp in twips first so that huge or NaN stored values never reach the int conversion.
    const auto pixels = [](double twips, double minTwips, double maxTwips, int lo, int hi) {
        const double bounded = std::isnan(twips) ? minTwips : std::clamp(twips, minTwips, maxTwips);
        return std::clamp(toWholePixels(twipsToPixels(bounded)), lo, hi);
    };
    return {pixels(widthTwips, kMinWidthTwips, kMaxWidthTwips, low.width, high.width),
            pixels(heightTwips, kMinHeightTwips, kMaxHeightTwips, low.height, high.height)};
}

LayoutRect labelLayout(int clientWidth, int clientHeight)
{
    return {0.0, clientHeight - twipsToPixels(kLabelTopFromBottomTwips),
            static_cast<double>(clientWidth), kLabelHeight};
}

LayoutRect graphLayout(int clientWidth, int clientHeight)
{
    return {0.0, 0.0, static_cast<double>(clientWidth),
            std::max(0.0, clientHeight - kGraphGapBelow)};
}

EdgeRect roundedEdges(const LayoutRect& rect)
{
    return {toWholePixels(rect.left), toWholePixels(rect.top),
            toWholePixels(rect.left + rect.width), toWholePixels(rect.top + rect.height)};
}

std::array<EdgeRect, 2> windowShape(int clientWidth, int clientHeight)
{
    return {roundedEdges(labelLayout(clientWidth, clientHeight)),
            roundedEdges(graphLayout(clientWidth, clientHeight))};
}

} // namespace tarnivel
