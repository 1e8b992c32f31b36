#pragma once

#include <filesystem>
#include <string_view>

namespace tarnivel {

// Starting the program with the user's desktop session. One implementation per platform,
// chosen by the build: on Windows a value under the current user's Run key, on Linux an XDG
// autostart entry named after the value. No Qt here, so that every platform can build it.
//
// Both are silent: a failure makes IsInRunKey answer false and leaves SetRunKey without effect.

// Whether the session starts a program under this name, whatever the entry says.
bool IsInRunKey(std::string_view sValueName);

// bAdd: register sProgram (the full path of the running executable) under the name, replacing
// what was there; an empty sProgram leaves an existing entry as it is. Otherwise remove the entry.
void SetRunKey(std::string_view sValueName, const std::filesystem::path& sProgram, bool bAdd);

} // namespace tarnivel
