#pragma once

#include <cstdint>

namespace tarnivel {

// A colour as the program stores and exchanges it: 0x00BBGGRR (255 is red, 65280 green).
using ColourRef = std::int32_t;

// The pixel form of a colour: 0xFFRRGGBB, the layout of QRgb and of 32-bit RGB images.
constexpr std::uint32_t toArgb(ColourRef colour)
{
    const auto bgr = static_cast<std::uint32_t>(colour);
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

} // namespace tarnivel
