#include "app/startup.h"

#include <cstdio>

namespace tarnivel {

StartWindow chooseStartWindow(SettingsBackend& backend)
{
    return readRunBefore(backend) ? StartWindow::Meter : StartWindow::Wizard;
}

namespace {

// Letters, digits, '.' and '-' as they are, anything else as '_'.
void appendPlain(std::string& name, std::string_view text)
{
    for (const char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-';
        name += plain ? c : '_';
    }
}

} // namespace

std::string instanceName(std::string_view x11Display, std::string_view waylandDisplay)
{
    // An X display (XWayland included) names the screen the meter shows on; a pure Wayland
    // session has only its socket name.
    const std::string_view display = !x11Display.empty() ? x11Display : waylandDisplay;
    std::string name = "tarnivel-";
    appendPlain(name, display.empty() ? "default" : display);
    return name;
}

std::string userInstanceName(std::string_view userSid, std::uint64_t logonSession)
{
    std::string name = "tarnivel-";
    appendPlain(name, userSid);
    char session[18];
    std::snprintf(session, sizeof session, "-%016llx",
                  static_cast<unsigned long long>(logonSession));
    return name + session;
}

} // namespace tarnivel
