#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnivel {

// A small picture as plain pixels, row by row from the top; each pixel 0xAARRGGBB
// (the layout of QRgb), so the Qt layer wraps it without converting.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Picture(int w, int h, std::uint32_t fill)
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
    {}
    std::uint32_t& at(int x, int y) { return pixels[index(x, y)]; }
    std::uint32_t at(int x, int y) const { return pixels[index(x, y)]; }
    // Paints the rectangle from (left, top) to (right, bottom), both corners included.
    void fill(int left, int top, int right, int bottom, std::uint32_t colour)
    {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                at(x, y) = colour;
    }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

inline constexpr std::uint32_t kTransparent = 0x00000000;
inline constexpr std::uint32_t kBlack = 0xFF000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFFFF;
inline constexpr std::uint32_t kLightGrey = 0xFFC0C0C0;
inline constexpr std::uint32_t kDarkGrey = 0xFF808080;
inline constexpr std::uint32_t kDarkGreen = 0xFF008000;

} // namespace tarnivel
