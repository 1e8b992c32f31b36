#pragma once

#include <QImage>

#include <gtest/gtest.h>

// The picture must equal, pixel for pixel, the reference tests/pictures/<name>.png. With
// TARNIVEL_NEW_PICTURES set, the test writes the reference instead: look at it before committing
// it. A picture that differs is left in the test's working folder as <name>.png. Windows with
// texts of the platform (the dialog's autostart box, the guide link) in its default font are
// compared on Linux only.
inline void expectPicture(const QImage& picture, const QString& name,
                          [[maybe_unused]] bool onWindowsToo = true)
{
#ifdef Q_OS_WIN
    if (!onWindowsToo)
        return;
#endif
    const QImage drawn = picture.convertToFormat(QImage::Format_ARGB32);
    const QString reference = QStringLiteral(TARNIVEL_TEST_PICTURES "/") + name + ".png";
    if (qEnvironmentVariableIsSet("TARNIVEL_NEW_PICTURES"))
        drawn.save(reference);
    if (drawn != QImage(reference).convertToFormat(QImage::Format_ARGB32)) {
        drawn.save(name + ".png");
        ADD_FAILURE() << "drawn otherwise than " << reference.toStdString();
    }
}
