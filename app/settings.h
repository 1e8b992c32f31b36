#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnivel {

inline constexpr std::string_view kAppName = "Tarnivel";
inline constexpr std::string_view kSection = "Settings";

// Where the text values live; injected everywhere so that tests never touch the user's store.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    // The stored text, or nothing when the key is absent or holds no usable text.
    virtual std::optional<std::string> value(std::string_view app, std::string_view section,
                                             std::string_view key) = 0;
    virtual void setValue(std::string_view app, std::string_view section, std::string_view key,
                          std::string_view text) = 0;
    virtual void flush() {} // push pending writes to the medium; failures are silent
};

// The one list of stored keys. The text forms:
//   RunBefore        "1" once the wizard finished; read as a truth value (a number or True/False)
//   MaxValue         written as the text of a 32-bit float (seven significant digits), or of a
//                    whole number by the wizard; read as a whole number
//   the four colours decimal text of the signed 32-bit 0x00BBGGRR value
//   Width, Height    decimal text of the float twips; read as whole numbers
//   Float            "1" on top, "0" not; on top exactly when the text is "1"
//   Opacity          decimal "0" to "255"
// Text that does not convert reads as the key's default.
struct SettingKey {
    std::string_view name;
    std::string_view defaultText;
};

namespace keys {
inline constexpr SettingKey RunBefore{"RunBefore", "0"};
inline constexpr SettingKey MaxValue{"MaxValue", "100000"};
inline constexpr SettingKey DLColour{"DLColour", "255"};
inline constexpr SettingKey ULColour{"ULColour", "65280"};
inline constexpr SettingKey BackColour{"BackColour", "8421504"};
inline constexpr SettingKey OverlapColour{"OverlapColour", "65535"};
inline constexpr SettingKey Width{"Width", "1935"};
inline constexpr SettingKey Height{"Height", "1230"};
inline constexpr SettingKey Float{"Float", "1"};
inline constexpr SettingKey Opacity{"Opacity", "255"};
inline constexpr std::array kAll{RunBefore,     MaxValue, DLColour, ULColour, BackColour,
                                 OverlapColour, Width,    Height,   Float,    Opacity};
} // namespace keys

std::string ReadSetting(SettingsBackend& backend, std::string_view app, std::string_view section,
                        std::string_view key, std::string_view defaultText);
void WriteSetting(SettingsBackend& backend, std::string_view app, std::string_view section,
                  std::string_view key, std::string_view text);
// The vertical scales, in bytes per second, that the user may choose in the wizard and the
// settings dialog.
inline constexpr std::int32_t kMinScale = 1;
inline constexpr std::int32_t kMaxScale = 9999999;

// The wizard's scale, in bytes per second, stored as a whole number.
void SaveMaxValue(SettingsBackend& backend, std::int32_t lValue);

// Text conversions. None of them throws; text that does not convert gives nothing.
// Numeric text: optional spaces around, a sign, digits with an optional fraction and exponent
// ("1.234568E+07"). Whole numbers are rounded to the nearest, halves to the even neighbour.
std::optional<std::int32_t> toWholeNumber(std::string_view text);
std::optional<std::uint8_t> toByte(std::string_view text);
// A number (anything but 0 is true) or the words True/False in any letter case.
std::optional<bool> toTruth(std::string_view text);
std::string wholeNumberText(std::int32_t value);
// Seven significant digits without trailing zeros; exponent form ("1.234568E+07") from ten
// million up and below 0.0001. Independent of the C and Qt locales.
std::string singleText(float value);

struct WindowSettings { // what the main window loads
    std::int32_t MaxValue;
    std::int32_t DLColour, ULColour, BackColour, OverlapColour;
    std::int32_t Width, Height; // twips
    bool Float;
    std::uint8_t Opacity;

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

bool readRunBefore(SettingsBackend& backend);
// Reads in the main window's load order; text that does not convert gives that key's default.
WindowSettings readWindowSettings(SettingsBackend& backend);

struct LiveSettings { // what the main window stores at unload, taken from the live objects
    float MaxValue;
    std::int32_t DLColour, ULColour, BackColour, OverlapColour;
    bool Float;
    std::uint8_t Opacity;
    float WidthTwips, HeightTwips;
    bool sizeIsNormal; // size written only when the window is neither minimised nor maximised
};

// Writes in the main window's unload order, then flushes.
void writeWindowSettings(SettingsBackend& backend, const LiveSettings& live);

} // namespace tarnivel
