#include "ui/settings/settings_logic.h"

#include "app/rounding.h"
#include "app/text.h"
#include "sampling/rate_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarnivel {

std::uint8_t opacityForPosition(int position)
{
    const int steps = static_cast<int>(kTransparencyEntries.size());
    const int p = std::clamp(position, 0, steps - 1);
    // (10 - p) * 255 / 10 is exact in a double, so the halves (229.5, 178.5 ...) are true halves.
    return static_cast<std::uint8_t>(roundHalfEven((steps - p) * 255 / double(steps)));
}

int positionForOpacity(std::uint8_t opacity)
{
    const int steps = static_cast<int>(kTransparencyEntries.size());
    const auto position = static_cast<int>(roundHalfEven((255 - opacity) * steps / 255.0));
    return std::min(position, steps - 1);
}

std::string scaleText(float maxValue)
{
    std::array<char, 64> text{}; // the largest float has 39 digits
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), maxValue, std::chars_format::fixed);
    return {text.data(), result.ptr};
}

ScaleCheck checkScale(std::string_view text)
{
    text = trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    // from_chars would also take "inf" and "nan": a number starts with a digit or the point.
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    if (first >= text.size() ||
        !(std::isdigit(static_cast<unsigned char>(text[first])) || text[first] == '.'))
        return {0, kNotNumeric};

    double number = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), number, std::chars_format::general);
    if (end != text.data() + text.size() || error == std::errc::invalid_argument)
        return {0, kNotNumeric};
    if (error == std::errc::result_out_of_range) {
        // Too small to tell from zero rounds to 0; everything else out of range is too large.
        const bool tiny =
            text.find("e-") != std::string_view::npos || text.find("E-") != std::string_view::npos;
        return {0, tiny ? outOfRangeProblem() : kTooLarge};
    }

    const double whole = roundHalfEven(number);
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return {0, kTooLarge};
    const auto value = static_cast<std::int32_t>(whole);
    if (value < kMinScale || value > kMaxScale)
        return {value, outOfRangeProblem()};
    return {value, {}};
}

std::string_view outOfRangeProblem()
{
    static const std::string text = "Please enter a value between " + wholeNumberText(kMinScale) +
                                    " and " + wholeNumberText(kMaxScale);
    return text;
}

std::string problemText(std::string_view problem)
{
    std::string text = "There was a problem with the value you chose:\n";
    text += problem;
    return text;
}

std::string FormatBytes(double dblBytes, char decimalPoint)
{
    constexpr double kKilo = 1024.0;
    constexpr double kMega = kKilo * kKilo;
    constexpr double kGiga = kMega * kKilo;
    const double x = std::fabs(dblBytes);
    if (x > kGiga)
        return formatFixed(x / kGiga, 2, decimalPoint) + " Gb";
    if (x > kMega)
        return formatFixed(x / kMega, 2, decimalPoint) + " Mb";
    if (x > kKilo)
        return formatFixed(x / kKilo, 2, decimalPoint) + " kb";
    return formatFixed(x, 2, decimalPoint) + " bytes";
}

PendingColours PendingColours::load(ColourRef in, ColourRef out, ColourRef back, ColourRef overlap)
{
    return {in, out, back, overlap, overlap};
}

void PendingColours::pick(int lWhich, ColourRef chosen)
{
    switch (lWhich) {
    case In:
        mlPendingIn = chosen;
        overlapSample = mlPendingOut | mlPendingIn;
        break;
    case Out:
        mlPendingOut = chosen;
        overlapSample = mlPendingIn | mlPendingOut;
        break;
    case Back:
        mlPendingBack = chosen;
        break;
    case Overlap:
        mlPendingOverlap = chosen;
        overlapSample = chosen;
        break;
    default:
        break;
    }
}

} // namespace tarnivel
