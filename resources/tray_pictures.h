#pragma once

#include "resources/picture.h"

namespace tarnivel {

inline constexpr int kTrayPictureSize = 16;
inline constexpr int kTrayLevelCount = 6; // levels 0 to 5 per direction

// The tray level picture with dlLevel lit segments in the incoming (left, red) column and
// ulLevel in the outgoing (right, green) one. Levels outside 0..5 throw std::out_of_range.
Picture trayPicture(int dlLevel, int ulLevel);

} // namespace tarnivel
