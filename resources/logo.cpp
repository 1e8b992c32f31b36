#include "resources/logo.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tarnivel {

namespace {

// The letters of the name, seven rows high, '#' lit; each row string is the glyph's width.
struct Glyph {
    std::array<std::string_view, 7> rows;
};

constexpr std::array kName{
    Glyph{{"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}}, // T
    Glyph{{"....", "....", "###.", "...#", ".###", "#..#", ".###"}},        // a
    Glyph{{"....", "....", "#.##", "##..", "#...", "#...", "#..."}},        // r
    Glyph{{"....", "....", "###.", "#..#", "#..#", "#..#", "#..#"}},        // n
    Glyph{{"#", ".", "#", "#", "#", "#", "#"}},                             // i
    Glyph{{".....", ".....", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}}, // v
    Glyph{{"....", "....", ".##.", "#..#", "####", "#...", ".###"}},        // e
    Glyph{{"#.", "#.", "#.", "#.", "#.", "#.", ".#"}},                      // l
};
constexpr int kScale = 2;
constexpr int kGap = 1; // between letters, before scaling

constexpr int nameWidth()
{
    int width = 0;
    for (const Glyph& glyph : kName)
        width += static_cast<int>(glyph.rows[0].size()) + kGap;
    return (width - kGap) * kScale;
}

} // namespace

Picture logoPicture()
{
    constexpr int w = kLogoWidth;
    constexpr int h = kLogoHeight;
    Picture picture(w, h, kLightGrey);
    // A two-pixel frame, shaded on its lower and right edges like the icon's screen.
    picture.fill(0, h - 2, w - 1, h - 1, kDarkGrey);
    picture.fill(w - 2, 0, w - 1, h - 1, kDarkGrey);

    constexpr int left = 2;
    constexpr int top = 2;
    constexpr int right = w - 3;
    constexpr int bottom = h - 3;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const bool grid = (x - left) % 3 == 2 || (y - top) % 3 == 2;
            picture.at(x, y) = grid ? kDarkGreen : kBlack;
        }

    // The name on a black band at the right, centred vertically.
    constexpr int textWidth = nameWidth();
    constexpr int textHeight = 7 * kScale;
    constexpr int textLeft = right - 4 - textWidth;
    constexpr int textTop = (h - textHeight) / 2;
    picture.fill(textLeft - 4, textTop - 4, right - 1, textTop + textHeight + 3, kBlack);
    int x0 = textLeft;
    for (const Glyph& glyph : kName) {
        const int glyphWidth = static_cast<int>(glyph.rows[0].size());
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < glyphWidth; ++col)
                if (glyph.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#')
                    picture.fill(x0 + col * kScale, textTop + row * kScale,
                                 x0 + col * kScale + kScale - 1,
                                 textTop + row * kScale + kScale - 1, kWhite);
        x0 += (glyphWidth + kGap) * kScale;
    }

    // The trace: a zig-zag across the screen left of the band, one black row kept above and
    // below, joined column to column.
    constexpr int traceTop = top + 3;
    constexpr int traceBottom = bottom - 3;
    constexpr int span = traceBottom - traceTop;
    constexpr int rise = 3; // rows per column
    int previous = -1;
    for (int x = left + 2; x <= textLeft - 8; ++x) {
        const int phase = ((x - left - 2) * rise) % (2 * span);
        const int y = traceBottom - (phase <= span ? phase : 2 * span - phase);
        const int from = previous < 0 ? y : std::min(previous, y);
        const int to = previous < 0 ? y : std::max(previous, y);
        for (int row = from; row <= to; ++row)
            picture.at(x, row) = kWhite;
        previous = y;
    }
    return picture;
}

} // namespace tarnivel
