#include "app/startup.h"

namespace tarnivel {

StartWindow chooseStartWindow(SettingsBackend& backend)
{
    return readRunBefore(backend) ? StartWindow::Meter : StartWindow::Wizard;
}

} // namespace tarnivel
