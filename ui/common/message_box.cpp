#include "ui/common/message_box.h"

namespace tarnivel {

QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    if (request.buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    const int chosen = box.exec();
    return static_cast<QMessageBox::StandardButton>(chosen);
}

} // namespace tarnivel
