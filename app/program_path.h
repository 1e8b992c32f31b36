#pragma once

#include <filesystem>

namespace tarnivel {

// The full path of the running executable, as the system reports it; empty when it cannot tell.
// One implementation per platform, chosen by the build.
std::filesystem::path runningProgramPath();

} // namespace tarnivel
