#pragma once

#include "resources/picture.h"

#include <string>

namespace tarnivel {

// The picture as a scalable SVG of the same pixels: one rectangle per run of equal pixels in a
// row, runs that repeat in the rows below merged into one taller rectangle. Fully transparent
// pixels are left out; partly transparent ones keep their alpha as fill-opacity.
std::string pictureToSvg(const Picture& picture);

} // namespace tarnivel
