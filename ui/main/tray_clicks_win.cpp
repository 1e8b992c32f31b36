// The Windows notification area hands every click and double click to the program.
#include "ui/main/tray_clicks.h"

namespace tarnivel {

bool traySendsSingleClicksOnly()
{
    return false;
}

} // namespace tarnivel
