#pragma once

#include "app/settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnivel {

enum class StartWindow { Wizard, Meter };

// The first run (RunBefore not set) opens the wizard, every later one the meter window.
StartWindow chooseStartWindow(SettingsBackend& backend);

// The name that sets one running meter apart from another of the same user: one per display,
// since a user may have a session on more than one. Letters, digits, '.', '_' and '-' only.
std::string instanceName(std::string_view x11Display, std::string_view waylandDisplay);

// The same on Windows, where the socket is a named pipe in the one namespace of the whole machine,
// open to every account: the user's SID and the id of the logon session (new at every logon) make
// the name this user's, and one that another account cannot know before the user logs on to take
// it first. Letters, digits, '_' and '-' only.
std::string userInstanceName(std::string_view userSid, std::uint64_t logonSession);

} // namespace tarnivel
