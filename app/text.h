#pragma once

#include <string_view>

namespace tarnivel {

// Spaces, tabs and the other blanks a text file or a hand edit may leave around a field.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

constexpr std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace tarnivel
