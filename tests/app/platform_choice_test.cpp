#include "app/platform_choice.h"

#include <gtest/gtest.h>
#include <string>

namespace tarnivel {
namespace {

TEST(PlatformChoice, XcbOnlyInAWaylandSessionWithXWaylandWhenTheUserNamedNoPlatform)
{
    struct Row {
        const char* waylandDisplay;
        const char* display;
        const char* qtQpaPlatform;
        const char* expected;
    };
    // clang-format off
    const Row rows[] = {
        {"wayland-0", ":0",     nullptr,   "xcb"},   // GNOME, KDE, sway with XWayland
        {"wayland-0", ":0",     "",        "xcb"},   // set but empty counts as unset
        {"wayland-0", ":0",     "wayland", nullptr}, // the user's choice wins
        {"wayland-0", ":0",     "xcb",     nullptr},
        {"wayland-0", nullptr,  nullptr,   nullptr}, // no XWayland: native Wayland
        {"wayland-0", "",       nullptr,   nullptr},
        {nullptr,     ":0",     nullptr,   nullptr}, // plain X11 session
        {"",          ":0",     nullptr,   nullptr},
        {nullptr,     nullptr,  nullptr,   nullptr}, // no display at all: Qt reports it
        {nullptr,     nullptr,  "offscreen", nullptr},
    };
    // clang-format on
    for (const Row& row : rows) {
        const char* got = forcedQpaPlatform(row.waylandDisplay, row.display, row.qtQpaPlatform);
        EXPECT_EQ(std::string(got ? got : "(Qt chooses)"),
                  std::string(row.expected ? row.expected : "(Qt chooses)"))
            << (row.waylandDisplay ? row.waylandDisplay : "-") << ' '
            << (row.display ? row.display : "-") << ' '
            << (row.qtQpaPlatform ? row.qtQpaPlatform : "-");
    }
}

} // namespace
} // namespace tarnivel
