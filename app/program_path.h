#pragma once

#include <filesystem>

namespace tarnivel {

// The full path of the program file to start this program again: the running executable, or
// the file that has replaced it at the same place. Empty when no such file exists or the system
// cannot tell. One implementation per platform, chosen by the build.
std::filesystem::path runningProgramPath();

} // namespace tarnivel
