#pragma once

#include <string>

namespace tarnivel {

// A rate in KiB/s as the label shows it: first rounded to seven significant digits, then to one
// decimal ("#0.0"), halves away from zero, never in exponent form, no thousands separators.
std::string formatRate(float kib, char decimalPoint = '.');

// The exact value of a double rounded to `decimals` decimals, halves away from zero, as with the
// pattern "0.00": at least one digit before the point, never in exponent form.
std::string formatFixed(double value, int decimals, char decimalPoint = '.');

// "DL: " + formatRate(dl) + " UL: " + formatRate(ul).
std::string rateLabel(float dlKiB, float ulKiB, char decimalPoint = '.');

} // namespace tarnivel
