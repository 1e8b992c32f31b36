#include "ui/main/tray_levels.h"

#include "app/rounding.h"

#include <algorithm>
#include <cmath>

namespace tarnivel {

std::optional<int> trayLevel(double delta, double maxValue)
{
    const double scaled = delta / maxValue * 6.0;
    if (!std::isfinite(scaled))
        return std::nullopt;
    const double rounded = roundHalfEven(scaled);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return std::min(static_cast<int>(rounded), 5);
}

std::string trayIconKey(double inDelta, double outDelta, double maxValue)
{
    const auto in = trayLevel(inDelta, maxValue);
    const auto out = trayLevel(outDelta, maxValue);
    if (!in || !out || *in < 0 || *out < 0)
        return std::string(kFallbackTrayKey);
    return "d" + std::to_string(*in) + "u" + std::to_string(*out);
}

} // namespace tarnivel
