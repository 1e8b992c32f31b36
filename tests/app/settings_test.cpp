#include "app/platform_choice.h"
#include "app/settings.h"
#include "tests/support/memory_settings.h"

#include <gtest/gtest.h>

using namespace tarnivel;

// Tables of rows kept dense by hand, a few related rows per line.
// clang-format off

// Every key missing (the first run), stored with text that converts, then with text that does
// not or lies out of range: a colour one beyond the 32-bit range, or an opacity of 256, must not
// wrap but fall back to the key's default. A truth word may come in any letter case.
TEST(SettingsLoad, StoredTextConvertsOrFallsBackToTheKeysDefault)
{
    const WindowSettings defaults{100000, 255, 65280, 8421504, 65535, 1935, 1230, true, 255};
    const std::tuple<decltype(MemorySettings::values), bool, WindowSettings> rows[] = {
        {{}, false, defaults}, {{{"RunBefore", "True"}}, true, defaults},
        {{{"RunBefore", "0.4"}, {"MaxValue", "1235.5"}, {"DLColour", "2147483647"},
          {"ULColour", "-2147483648"}, {"BackColour", "-1"}, {"OverlapColour", "0"},
          {"Width", "12.5"}, {"Height", " 7"}, {"Float", "1"}, {"Opacity", "-0.5"}},
         true, {1236, INT32_MAX, INT32_MIN, -1, 0, 12, 7, true, 0}},
        {{{"RunBefore", "maybe"}, {"MaxValue", "fast"}, {"DLColour", "2147483648"},
          {"ULColour", "-2147483649"}, {"BackColour", ""}, {"OverlapColour", "red"},
          {"Width", "wide"}, {"Height", "1e10"}, {"Float", "True"}, {"Opacity", "256"}},
         false, {100000, 255, 65280, 8421504, 65535, 1935, 1230, false, 255}}};
    for (const auto& [values, runBefore, window] : rows) {
        MemorySettings store;
        store.values = values;
        EXPECT_EQ(readRunBefore(store), runBefore);
        EXPECT_EQ(readWindowSettings(store), window);
    }
}

// clang-format on

// In a Wayland session that offers XWayland the meter asks for X11, unless the user named a
// platform; elsewhere Qt chooses.
TEST(PlatformChoice, XWaylandUnlessTheUserNamedOne)
{
    EXPECT_STREQ(forcedQpaPlatform("wayland-0", ":0", ""), "xcb");
    for (const auto& [wayland, x11, named] : {std::tuple{"wayland-0", ":0", "wayland"},
                                              {"", ":0", nullptr},
                                              {"wayland-0", nullptr, ""}})
        EXPECT_EQ(forcedQpaPlatform(wayland, x11, named), nullptr);
}
