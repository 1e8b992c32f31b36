#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace tarnivel {

// A modal message as the program's windows ask for one. The windows show it through a
// MessageBoxShow, which tests replace to answer without a message box on screen.
struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // The answer of Esc and of the box's close button; NoButton leaves it to Qt (No where there
    // is one, OK otherwise).
    QMessageBox::StandardButton escapeAnswer = QMessageBox::NoButton;
};

using MessageBoxShow = std::function<QMessageBox::StandardButton(QWidget*, const MessageRequest&)>;

// Shows the message modal to parent and returns the button the user chose, or the request's
// escape answer for Esc and the close button.
QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageRequest& request);

} // namespace tarnivel
