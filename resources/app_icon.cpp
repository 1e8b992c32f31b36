#include "resources/app_icon.h"

#include <algorithm>
#include <stdexcept>

namespace tarnivel {

Picture appIconPicture(int size)
{
    if (size < 16 || size % 16 != 0)
        throw std::invalid_argument("the application icon exists at multiples of 16 pixels");
    const int k = size / 16; // frame thickness and stand scale
    // Grid, trace and shading grow more slowly than the frame, so that the larger icons show
    // the same few zig-zags and grid cells as the small ones instead of a finer mesh.
    const int detail = (k + 1) / 2;
    const int gridLine = std::max(1, detail / 2);
    const int shade = std::max(1, k / 2);
    Picture picture(size, size, kTransparent);

    // Screen: frame from row k to row 12k-1 across the whole width.
    const int top = k;
    const int bottom = 12 * k - 1;
    picture.fill(0, top, size - 1, bottom, kLightGrey);
    // Shade the frame's lower and right edges so the screen reads as a box.
    picture.fill(0, bottom - shade + 1, size - 1, bottom, kDarkGrey);
    picture.fill(size - shade, top, size - 1, bottom, kDarkGrey);

    const int left = k;
    const int right = size - 1 - k;
    const int innerTop = top + k;
    const int innerBottom = bottom - k;
    const int cell = 3 * detail;
    for (int y = innerTop; y <= innerBottom; ++y)
        for (int x = left; x <= right; ++x) {
            const bool grid =
                (x - left) % cell >= cell - gridLine || (y - innerTop) % cell >= cell - gridLine;
            picture.at(x, y) = grid ? kDarkGreen : kBlack;
        }

    // Zig-zag trace, `detail` pixels thick: a triangle wave between the inner rows, keeping
    // `detail` black rows above and below, joined column to column.
    const int span = innerBottom - innerTop - 3 * detail + 1;
    const int step = std::max(1, span / 3);
    const int period = 2 * span;
    int previous = -1;
    for (int x = left; x <= right; ++x) {
        const int phase = (x - left) * step / detail % period;
        const int y = innerBottom - 2 * detail + 1 - (phase <= span ? phase : period - phase);
        const int from = previous < 0 ? y : std::min(previous, y);
        const int to = (previous < 0 ? y : std::max(previous, y)) + detail - 1;
        for (int column = x; column <= std::min(x + detail - 1, right); ++column)
            for (int row = from; row <= to; ++row)
                picture.at(column, row) = kWhite;
        previous = y;
    }

    // Stand: a neck under the middle and a base on the last row(s).
    for (int y = bottom + 1; y < size; ++y) {
        const bool base = y >= size - k;
        const int half = base ? 3 * k : k;
        picture.fill(size / 2 - half, y, size / 2 + half - 1, y, base ? kDarkGrey : kLightGrey);
    }
    return picture;
}

} // namespace tarnivel
