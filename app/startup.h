#pragma once

#include "app/settings.h"

#include <string>
#include <string_view>

namespace tarnivel {

enum class StartWindow { Wizard, Meter };

// The first run (RunBefore not set) opens the wizard, every later one the meter window.
StartWindow chooseStartWindow(SettingsBackend& backend);

// The name that sets one running meter apart from another of the same user: one per display,
// since a user may have a session on more than one. Letters, digits, '.', '_' and '-' only.
std::string instanceName(std::string_view x11Display, std::string_view waylandDisplay);

} // namespace tarnivel
