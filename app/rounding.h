#pragma once

#include <cmath>

namespace tarnivel {

// The program's whole-number conversion: to the nearest integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4), whatever rounding mode the floating-point environment is in.
// NaN and infinities come back as they are; callers range-check before converting to int.
inline double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace tarnivel
