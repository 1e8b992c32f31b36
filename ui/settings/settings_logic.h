#pragma once

#include "app/settings.h"
#include "graph/colour.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnivel {

// The transparency list: position 0 "Opaque" up to position 9 "90%".
inline constexpr std::array<std::string_view, 10> kTransparencyEntries = {
    "Opaque", "10%", "20%", "30%", "40%", "50%", "60%", "70%", "80%", "90%"};

// (10 - position) / 10 x 255, halves to even; positions outside the list count as the nearest
// end of it.
std::uint8_t opacityForPosition(int position);

// (1 - opacity / 255) x 10, halves to even. Opacities below 13 would give 10, which the list
// lacks: they select "90%", the most transparent entry.
int positionForOpacity(std::uint8_t opacity);

// The vertical scale as the dialog shows it: the float's shortest exact form in plain decimals
// (100000 shows as "100000", never in exponent form).
std::string scaleText(float maxValue);

// The vertical scale the user entered, or what is wrong with it (problem empty when fine).
struct ScaleCheck {
    std::int32_t value = 0;
    std::string_view problem;
};

inline constexpr std::string_view kNotNumeric = "You did not enter a numeric value!";
// "Please enter a value between 1 and 9999999", from the scale's range.
std::string_view outOfRangeProblem();
inline constexpr std::string_view kTooLarge =
    "The number is too large for the program to work with.";

// Numeric: optional blanks around an optionally signed decimal number ('.' as its point) with
// an optional exponent. The number is rounded to a whole one, halves to even, and must lie in
// kMinScale..kMaxScale.
ScaleCheck checkScale(std::string_view text);

inline constexpr std::string_view kProblemTitle = "Ooops!";
// "There was a problem with the value you chose:", a line break and the problem.
std::string problemText(std::string_view problem);

// A byte total for the Statistics page: "0.00 bytes" up to "1024.00 bytes", then kb, Mb and Gb
// of 1024, each shown from just above 1024 of the unit below ("1.00 kb" for 1025 bytes); two
// decimals rounded halves away from zero. The sign is dropped.
std::string FormatBytes(double dblBytes, char decimalPoint = '.');

// The colours being edited and what the four sample lines show. Picking an incoming or
// outgoing colour shows their bitwise-or in the overlap sample, while the overlap colour that
// OK applies changes only through its own button.
struct PendingColours {
    enum Which { In = 1, Out = 2, Back = 3, Overlap = 4 };

    ColourRef mlPendingIn = 0;
    ColourRef mlPendingOut = 0;
    ColourRef mlPendingBack = 0;
    ColourRef mlPendingOverlap = 0;
    ColourRef overlapSample = 0;

    static PendingColours load(ColourRef in, ColourRef out, ColourRef back, ColourRef overlap);
    // lWhich other than 1 to 4 changes nothing.
    void pick(int lWhich, ColourRef chosen);
};

} // namespace tarnivel
