#include "app/startup.h"

namespace tarnivel {

StartWindow chooseStartWindow(SettingsBackend& backend)
{
    return readRunBefore(backend) ? StartWindow::Meter : StartWindow::Wizard;
}

std::string instanceName(std::string_view x11Display, std::string_view waylandDisplay)
{
    // An X display (XWayland included) names the screen the meter shows on; a pure Wayland
    // session has only its socket name.
    const std::string_view display = !x11Display.empty() ? x11Display : waylandDisplay;
    std::string name = "tarnivel-";
    if (display.empty())
        name += "default";
    for (const char c : display) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-';
        name += plain ? c : '_';
    }
    return name;
}

} // namespace tarnivel
