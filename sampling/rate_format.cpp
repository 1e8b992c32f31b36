#include "sampling/rate_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tarnivel {
namespace {

constexpr int kSignificantDigits = 7;
// Enough significant digits to write any float exactly (the smallest subnormal needs 105), and
// any double (767).
constexpr int kFloatExactPrecision = 120;
constexpr int kDoubleExactPrecision = 770;

// A decimal number 0.digits x 10^pointPosition: pointPosition digits stand before the point.
// No leading or trailing zeros in digits; zero has none at all.
struct Decimal {
    std::string digits;
    int pointPosition = 0;
};

void dropTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        d.pointPosition = 0;
    }
}

Decimal exactDecimal(double magnitude, int precision)
{
    std::array<char, kDoubleExactPrecision + 16> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::scientific, precision);
    const std::string_view written(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
    const std::size_t e = written.find('e');
    Decimal d;
    for (const char c : written.substr(0, e)) {
        if (c != '.') {
            d.digits.push_back(c);
        }
    }
    int exponent = 0;
    const std::string_view exponentText = written.substr(e + 1);
    const char* first = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);
    d.pointPosition = exponent + 1;
    dropTrailingZeros(d);
    return d;
}

// Keeps the first `keep` digits, rounding the magnitude half away from zero; the digits are exact,
// so no binary rounding creeps in.
void roundToDigits(Decimal& d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size())) {
        return;
    }
    if (keep < 0) {
        d = {};
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        while (!d.digits.empty() && d.digits.back() == '9') {
            d.digits.pop_back();
        }
        if (d.digits.empty()) {
            d.digits.push_back('1'); // 9.99 -> 10.0: one more digit before the point
            ++d.pointPosition;
        } else {
            ++d.digits.back();
        }
    }
    dropTrailingZeros(d);
}

// Writes d with a leading minus when negative, at least one digit before the point and exactly
// `decimals` after it; d must already be rounded to that many decimals.
std::string writeFixed(const Decimal& d, bool negative, int decimals, char decimalPoint)
{
    std::string out;
    if (negative && !d.digits.empty()) {
        out.push_back('-');
    }
    const auto digitAt = [&](int i) {
        return i >= 0 && i < static_cast<int>(d.digits.size())
                   ? d.digits[static_cast<std::size_t>(i)]
                   : '0';
    };
    if (d.pointPosition <= 0) {
        out.push_back('0');
    }
    for (int i = 0; i < d.pointPosition; ++i) {
        out.push_back(digitAt(i));
    }
    out.push_back(decimalPoint);
    for (int i = 0; i < decimals; ++i) {
        out.push_back(digitAt(d.pointPosition + i));
    }
    return out;
}

std::string nonFinite(double value)
{
    return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
}

} // namespace

std::string formatRate(float kib, char decimalPoint)
{
    if (!std::isfinite(kib)) {
        return nonFinite(kib);
    }
    Decimal d = exactDecimal(std::fabs(static_cast<double>(kib)), kFloatExactPrecision);
    roundToDigits(d, kSignificantDigits);
    roundToDigits(d, d.pointPosition + 1); // to the nearest tenth
    return writeFixed(d, std::signbit(kib), 1, decimalPoint);
}

std::string formatFixed(double value, int decimals, char decimalPoint)
{
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    Decimal d = exactDecimal(std::fabs(value), kDoubleExactPrecision);
    roundToDigits(d, d.pointPosition + decimals);
    return writeFixed(d, std::signbit(value), decimals, decimalPoint);
}

std::string rateLabel(float dlKiB, float ulKiB, char decimalPoint)
{
    return "DL: " + formatRate(dlKiB, decimalPoint) + " UL: " + formatRate(ulKiB, decimalPoint);
}

} // namespace tarnivel
