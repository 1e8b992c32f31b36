#pragma once

#include "resources/picture.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tarnivel {

// The bytes of a Windows .ico file holding the pictures, each as a 32-bit BGRA bitmap with its
// AND mask (set where a pixel is fully transparent). Pictures are 1 to 256 pixels square;
// anything else throws std::invalid_argument.
std::vector<std::uint8_t> icoFile(std::span<const Picture> pictures);

} // namespace tarnivel
