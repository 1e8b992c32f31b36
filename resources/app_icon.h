#pragma once

#include "resources/picture.h"

namespace tarnivel {

// The application icon: a grey-framed screen on a small stand, black inside, a dark-green
// grid line every 3 pixels (every 3 * ((size / 16 + 1) / 2) in larger icons) and a white
// zig-zag trace. Drawn for every multiple of 16 pixels; any other size throws
// std::invalid_argument.
Picture appIconPicture(int size);

} // namespace tarnivel
