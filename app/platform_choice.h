#pragma once

#include <string_view>

namespace tarnivel {

// The Qt platform plugin to ask for before the application object exists, or nullptr to leave
// the choice to Qt. The arguments are the values of the environment variables of those names;
// nullptr or empty means unset. A Wayland client can neither keep itself on top nor place its
// own window, so in a Wayland session that offers XWayland the meter runs as an X11 client,
// where "Float", the window shape, dragging and opacity work as on any X11 desktop. Without
// XWayland it runs natively; a platform the user named always wins.
constexpr const char* forcedQpaPlatform(const char* waylandDisplay, const char* display,
                                        const char* qtQpaPlatform)
{
    const auto set = [](const char* value) {
        return !std::string_view(value ? value : "").empty();
    };
    return set(waylandDisplay) && set(display) && !set(qtQpaPlatform) ? "xcb" : nullptr;
}

} // namespace tarnivel
