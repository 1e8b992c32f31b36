#pragma once

#include "tests/support/memory_settings.h"

namespace tarnivel {

// One generation of the meter's stored settings: every value, and a long note that makes the
// file span several blocks and holds line breaks that must not end it, follows from the number g. A
// file that mixes two generations or lacks part of one does not read back as a generation. A store
// given as a temporary ends, and so writes, with the call.
inline void storeGeneration(auto&& store, int g)
{
    store.setValue(kAppName, kSection, "Note",
                   std::string(6000, static_cast<char>('a' + g % 26)) + "\nInjected=1\r\\n\n");
    const float f = static_cast<float>(g);
    writeWindowSettings(store, LiveSettings{f, g, g, g, g, g % 2 == 1,
                                            static_cast<std::uint8_t>(g % 256), f, f, true});
}

inline std::optional<int> storedGeneration(auto&& store)
{
    const WindowSettings s = readWindowSettings(store);
    MemorySettings whole;
    storeGeneration(whole, s.DLColour);
    if (s != readWindowSettings(whole) ||
        store.value(kAppName, kSection, "Note") != whole.values["Note"])
        return std::nullopt;
    return s.DLColour;
}

} // namespace tarnivel
