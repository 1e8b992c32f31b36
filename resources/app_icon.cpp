#include "resources/app_icon.h"

#include <algorithm>
#include <stdexcept>

namespace tarnivel {

namespace {

constexpr std::uint32_t kLightGrey = 0xFFC0C0C0;
constexpr std::uint32_t kDarkGrey = 0xFF808080;
constexpr std::uint32_t kDarkGreen = 0xFF008000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

} // namespace

Picture appIconPicture(int size)
{
    if (size != 16 && size != 32)
        throw std::invalid_argument("the application icon exists at 16 and 32 pixels");
    const int k = size / 16; // frame thickness and stand scale
    Picture picture(size, size, kTransparent);

    // Screen: frame from row k to row 12k-1 across the whole width.
    const int top = k;
    const int bottom = 12 * k - 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < size; ++x)
            picture.at(x, y) = kLightGrey;
    // Shade the frame's lower and right edges so the screen reads as a box.
    for (int x = 0; x < size; ++x)
        picture.at(x, bottom) = kDarkGrey;
    for (int y = top; y <= bottom; ++y)
        picture.at(size - 1, y) = kDarkGrey;

    const int left = k;
    const int right = size - 1 - k;
    const int innerTop = top + k;
    const int innerBottom = bottom - k;
    for (int y = innerTop; y <= innerBottom; ++y)
        for (int x = left; x <= right; ++x) {
            const bool grid = (x - left) % 3 == 2 || (y - innerTop) % 3 == 2;
            picture.at(x, y) = grid ? kDarkGreen : kBlack;
        }

    // Zig-zag trace: a triangle wave between the inner rows, joined column to column.
    const int span = innerBottom - innerTop - 2; // keep one black row above and below
    const int step = std::max(1, span / 3);
    int previous = -1;
    for (int x = left; x <= right; ++x) {
        const int period = 2 * span;
        const int phase = ((x - left) * step) % period;
        const int y = innerBottom - 1 - (phase <= span ? phase : period - phase);
        const int from = previous < 0 ? y : std::min(previous, y);
        const int to = previous < 0 ? y : std::max(previous, y);
        for (int row = from; row <= to; ++row)
            picture.at(x, row) = kWhite;
        previous = y;
    }

    // Stand: a neck under the middle and a base on the last row(s).
    for (int y = bottom + 1; y < size; ++y) {
        const bool base = y >= size - k;
        const int half = base ? 3 * k : k;
        for (int x = size / 2 - half; x < size / 2 + half; ++x)
            picture.at(x, y) = base ? kDarkGrey : kLightGrey;
    }
    return picture;
}

} // namespace tarnivel
