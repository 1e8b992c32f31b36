#pragma once

#include "resources/picture.h"

namespace tarnivel {

// The application icon: a grey-framed screen on a small stand, black inside, a dark-green
// grid line every 3 pixels and a white zig-zag trace. Drawn for 16 and 32 pixels; any other
// size throws std::invalid_argument.
Picture appIconPicture(int size);

} // namespace tarnivel
