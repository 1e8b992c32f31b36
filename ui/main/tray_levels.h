#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnivel {

inline constexpr std::string_view kFallbackTrayKey = "d5u5";

// The level of one direction: delta / maxValue * 6 rounded to the nearest whole number,
// halves to even, and capped at 5 (no lower bound). Empty where there is no such 16-bit
// number: a maxValue of 0, or a quotient beyond -32768..32767.
std::optional<int> trayLevel(double delta, double maxValue);

// The key of the tray picture for one tick's deltas ("d" incoming level "u" outgoing level),
// or "d5u5" where a level is missing or names no picture (a negative level).
std::string trayIconKey(double inDelta, double outDelta, double maxValue);

} // namespace tarnivel
