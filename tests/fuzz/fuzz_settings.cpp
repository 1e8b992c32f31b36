// Arbitrary bytes as stored settings text. Nothing may crash or throw, and what a load gives
// must store and load again as itself (large numbers only to their seven significant digits).
#include "app/settings.h"
#include "app/startup.h"
#include "tests/fuzz/require.h"
#include "tests/support/memory_settings.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

using namespace tarnivel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // One line per key in table order. An unended last line fills the remaining keys too; after
    // an ended one they stay missing.
    MemorySettings store;
    std::string_view rest = input;
    for (std::size_t i = 0; i < keys::kAll.size() && !rest.empty(); ++i) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        store.values[std::string(keys::kAll[i].name)] = rest.substr(0, end);
        rest.remove_prefix(end == rest.size() ? 0 : end + 1);
    }
    (void)chooseStartWindow(store);
    const WindowSettings in = readWindowSettings(store);
    require(in.Float == (!store.values.contains("Float") || store.values["Float"] == "1"));

    writeWindowSettings(store, LiveSettings{float(in.MaxValue), in.DLColour, in.ULColour,
                                            in.BackColour, in.OverlapColour, in.Float, in.Opacity,
                                            float(in.Width), float(in.Height), true});
    // Numbers from ten million up keep only seven significant digits; the float check covers them.
    const auto same = [](std::int32_t a, std::int32_t b) {
        return a == b || std::fabs(double(b)) >= 1e7;
    };
    const WindowSettings back = readWindowSettings(store);
    require(back.DLColour == in.DLColour && back.ULColour == in.ULColour &&
            back.BackColour == in.BackColour && back.OverlapColour == in.OverlapColour &&
            back.Float == in.Float && back.Opacity == in.Opacity &&
            same(back.MaxValue, in.MaxValue) && same(back.Width, in.Width) &&
            same(back.Height, in.Height));

    // The first four bytes as a float scale: its text reads back within seven digits.
    if (float scale = 0; size >= sizeof scale) {
        std::memcpy(&scale, data, sizeof scale);
        const auto whole = toWholeNumber(singleText(scale));
        const double magnitude = std::fabs(double(scale));
        require(std::isfinite(scale)
                    ? magnitude >= 2e9 ||
                          (whole && std::fabs(*whole - double(scale)) <= 0.5 + magnitude * 1e-6)
                    : !whole);
    }
    return 0;
}
