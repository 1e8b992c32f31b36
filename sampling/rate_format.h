#pragma once

#include <string>

namespace tarnivel {

// A rate in KiB/s as the label shows it: first rounded to seven significant digits, then to one
// decimal ("#0.0"), halves away from zero, never in exponent form, no thousands separators.
std::string formatRate(float kib, char decimalPoint = '.');

// "DL: " + formatRate(dl) + " UL: " + formatRate(ul).
std::string rateLabel(float dlKiB, float ulKiB, char decimalPoint = '.');

} // namespace tarnivel
