// Arbitrary bytes as stored settings text. Nothing may crash or throw, and what a load gives
// must store and load again as itself (large scales only to their seven significant digits).
#include "app/settings.h"
#include "app/startup.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

using namespace tarnivel;

class FuzzStore final : public SettingsBackend {
public:
    std::map<std::string, std::string, std::less<>> values;

    std::optional<std::string> value(std::string_view, std::string_view,
                                     std::string_view key) override
    {
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void setValue(std::string_view, std::string_view, std::string_view key,
                  std::string_view text) override
    {
        values.insert_or_assign(std::string(key), std::string(text));
    }
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A whole number that went through a 32-bit float and seven significant digits.
void requireNear(std::int32_t reloaded, std::int32_t original, std::int32_t fallback)
{
    if (original > -10000000 && original < 10000000) {
        require(reloaded == original);
        return;
    }
    const double drift = std::fabs(double(reloaded) - double(original));
    require(drift <= std::fabs(double(original)) * 1e-6 || reloaded == fallback);
}

void loadStoreLoad(FuzzStore& store)
{
    (void)chooseStartWindow(store);
    const WindowSettings loaded = readWindowSettings(store);
    require(store.values.contains("Float") ? loaded.Float == (store.values["Float"] == "1")
                                           : loaded.Float);

    FuzzStore again;
    writeWindowSettings(again,
                        LiveSettings{static_cast<float>(loaded.MaxValue), loaded.DLColour,
                                     loaded.ULColour, loaded.BackColour, loaded.OverlapColour,
                                     loaded.Float, loaded.Opacity, static_cast<float>(loaded.Width),
                                     static_cast<float>(loaded.Height), true});
    const WindowSettings reloaded = readWindowSettings(again);
    const WindowSettings defaults;
    require(reloaded.DLColour == loaded.DLColour && reloaded.ULColour == loaded.ULColour &&
            reloaded.BackColour == loaded.BackColour &&
            reloaded.OverlapColour == loaded.OverlapColour && reloaded.Float == loaded.Float &&
            reloaded.Opacity == loaded.Opacity);
    requireNear(reloaded.MaxValue, loaded.MaxValue, defaults.MaxValue);
    requireNear(reloaded.Width, loaded.Width, defaults.Width);
    requireNear(reloaded.Height, loaded.Height, defaults.Height);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The same text under every key.
    FuzzStore same;
    for (const SettingKey& key : keys::kAll)
        same.values[std::string(key.name)] = input;
    loadStoreLoad(same);

    // One line per key, in table order; keys beyond the last line stay missing.
    FuzzStore lines;
    std::string_view rest = input;
    for (const SettingKey& key : keys::kAll) {
        if (rest.empty())
            break;
        const auto end = rest.find('\n');
        lines.values[std::string(key.name)] = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    loadStoreLoad(lines);

    // The conversions on their own.
    if (const auto whole = toWholeNumber(input))
        require(toWholeNumber(wholeNumberText(*whole)) == whole);
    const auto byte = toByte(input);
    require(!byte || toWholeNumber(input) == *byte);
    (void)toTruth(input);

    // The first four bytes as a 32-bit float scale: its text reads back within seven digits.
    if (size >= sizeof(float)) {
        float scale = 0;
        std::memcpy(&scale, data, sizeof scale);
        const auto back = toWholeNumber(singleText(scale));
        if (!std::isfinite(scale))
            require(!back);
        else if (std::fabs(scale) < 2e9f)
            require(back && std::fabs(double(*back) - double(scale)) <=
                                0.5 + std::fabs(double(scale)) * 1e-6);
    }
    return 0;
}
