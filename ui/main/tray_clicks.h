#pragma once

namespace tarnivel {

// Whether the desktop's tray passes on single clicks only and never a double click. One
// implementation per platform, chosen by the build.
bool traySendsSingleClicksOnly();

} // namespace tarnivel
