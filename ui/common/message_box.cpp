#include "ui/common/message_box.h"

namespace tarnivel {

QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    if (request.escapeAnswer != QMessageBox::NoButton)
        box.setEscapeButton(request.escapeAnswer);
    const int chosen = box.exec();
    return static_cast<QMessageBox::StandardButton>(chosen);
}

} // namespace tarnivel
