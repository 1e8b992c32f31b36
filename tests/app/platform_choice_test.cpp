#include "app/platform_choice.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace tarnivel {
namespace {

TEST(PlatformChoice, XcbOnlyInAWaylandSessionWithXWaylandWhenTheUserNamedNoPlatform)
{
    // WAYLAND_DISPLAY, DISPLAY, QT_QPA_PLATFORM (null: unset) and the platform forced, if any.
    const std::array<const char*, 4> rows[] = {
        {"wayland-0", ":0", nullptr, "xcb"},      // GNOME, KDE, sway with XWayland
        {"wayland-0", ":0", "", "xcb"},           // set but empty counts as unset
        {"wayland-0", ":0", "wayland", nullptr},  // the user's choice wins
        {"wayland-0", nullptr, nullptr, nullptr}, // no XWayland: native Wayland
        {"wayland-0", "", nullptr, nullptr},
        {nullptr, ":0", nullptr, nullptr}, // plain X11 session
        {"", ":0", nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr}, // no display at all: Qt reports it
    };
    const auto text = [](const char* s) {
        return std::string(s ? s : "(unset)");
    };
    for (const auto& [wayland, display, platform, expected] : rows)
        EXPECT_EQ(text(forcedQpaPlatform(wayland, display, platform)), text(expected))
            << text(wayland) << ' ' << text(display) << ' ' << text(platform);
}

} // namespace
} // namespace tarnivel
