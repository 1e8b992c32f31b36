#pragma once

#include "resources/picture.h"

namespace tarnivel {

inline constexpr int kLogoWidth = 135;
inline constexpr int kLogoHeight = 42;

// The program's logo, 135 x 42 pixels: the application icon's screen drawn wide (grey frame,
// black inside, a dark-green grid line every 3 pixels, a white zig-zag trace on the left) with
// the name "Tarnivel" in white pixel letters on a black band to the right.
Picture logoPicture();

} // namespace tarnivel
