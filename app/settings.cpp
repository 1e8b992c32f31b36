#include "app/settings.h"

#include "app/rounding.h"
#include "app/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace tarnivel {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal text to a finite double; from_chars keeps this independent of the locale.
std::optional<double> toNumber(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf", "nan" and a second sign; only digits may follow here.
    if (text.empty() || !(isDigit(text.front()) || text.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string read(SettingsBackend& backend, const SettingKey& key)
{
    return ReadSetting(backend, kAppName, kSection, key.name, key.defaultText);
}

void write(SettingsBackend& backend, const SettingKey& key, std::string_view text)
{
    WriteSetting(backend, kAppName, kSection, key.name, text);
}

} // namespace

std::string ReadSetting(SettingsBackend& backend, std::string_view app, std::string_view section,
                        std::string_view key, std::string_view defaultText)
{
    auto text = backend.value(app, section, key);
    return text ? std::move(*text) : std::string(defaultText);
}

void WriteSetting(SettingsBackend& backend, std::string_view app, std::string_view section,
                  std::string_view key, std::string_view text)
{
    backend.setValue(app, section, key, text);
}

void SaveMaxValue(SettingsBackend& backend, std::int32_t lValue)
{
    write(backend, keys::MaxValue, wholeNumberText(lValue));
}

std::optional<std::int32_t> toWholeNumber(std::string_view text)
{
    const auto number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double whole = roundHalfEven(*number);
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

std::optional<std::uint8_t> toByte(std::string_view text)
{
    const auto whole = toWholeNumber(text);
    if (!whole || *whole < 0 || *whole > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*whole);
}

std::optional<bool> toTruth(std::string_view text)
{
    if (const auto number = toNumber(text))
        return *number != 0;
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const auto sameWord = [word = trimmed(text), &lower](std::string_view expected) {
        return std::ranges::equal(word, expected, {}, lower);
    };
    if (sameWord("true"))
        return true;
    if (sameWord("false"))
        return false;
    return std::nullopt;
}

std::string wholeNumberText(std::int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string singleText(float value)
{
    // The shortest %g form with seven significant digits: "1935", "0.5", "1.234568e+07".
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

bool readRunBefore(SettingsBackend& backend)
{
    return toTruth(read(backend, keys::RunBefore)).value_or(false);
}

WindowSettings readWindowSettings(SettingsBackend& backend)
{
    // Text that does not convert reads as the table's default for that key.
    const auto whole = [&backend](const SettingKey& key) {
        return toWholeNumber(read(backend, key)).value_or(*toWholeNumber(key.defaultText));
    };
    // A braced list is evaluated left to right: the keys are read in the load order.
    return {whole(keys::MaxValue),
            whole(keys::DLColour),
            whole(keys::ULColour),
            whole(keys::BackColour),
            whole(keys::OverlapColour),
            whole(keys::Width),
            whole(keys::Height),
            read(backend, keys::Float) == "1",
            toByte(read(backend, keys::Opacity)).value_or(*toByte(keys::Opacity.defaultText))};
}

void writeWindowSettings(SettingsBackend& backend, const LiveSettings& live)
{
    write(backend, keys::MaxValue, singleText(live.MaxValue));
    write(backend, keys::DLColour, wholeNumberText(live.DLColour));
    write(backend, keys::ULColour, wholeNumberText(live.ULColour));
    write(backend, keys::BackColour, wholeNumberText(live.BackColour));
    write(backend, keys::OverlapColour, wholeNumberText(live.OverlapColour));
    write(backend, keys::Float, live.Float ? "1" : "0");
    write(backend, keys::Opacity, wholeNumberText(live.Opacity));
    if (live.sizeIsNormal) {
        write(backend, keys::Width, singleText(live.WidthTwips));
        write(backend, keys::Height, singleText(live.HeightTwips));
    }
    backend.flush();
}

} // namespace tarnivel
