#pragma once

#include "app/settings.h"

namespace tarnivel {

enum class StartWindow { Wizard, Meter };

// The first run (RunBefore not set) opens the wizard, every later one the meter window.
StartWindow chooseStartWindow(SettingsBackend& backend);

} // namespace tarnivel
