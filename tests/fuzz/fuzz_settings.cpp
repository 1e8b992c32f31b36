// Arbitrary bytes as stored settings text, one line per key in table order (an unended last line
// fills the remaining keys too). Nothing may crash or throw, and what a load gives must store and
// load again as itself, numbers from ten million up only to their seven significant digits.
#include "app/settings.h"
#include "app/startup.h"
#include "tests/fuzz/require.h"
#include "tests/support/memory_settings.h"

#include <algorithm>
#include <cmath>

using namespace tarnivel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettings store;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
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
    WindowSettings back = readWindowSettings(store);
    for (auto [was, now] : {std::pair{&in.MaxValue, &back.MaxValue},
                            {&in.Width, &back.Width},
                            {&in.Height, &back.Height}}) {
        require(*now == *was || std::fabs(double(*was)) >= 1e7);
        *now = *was;
    }
    require(back == in);
    return 0;
}
