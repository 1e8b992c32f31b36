#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarnivel {

// Nothing cut off or overlapping: every control on show lies within its parent, is wide and high
// enough for its text (a rate box for seven digits), and overlaps none of its siblings. Plain
// frames are looked into as well.
inline void expectControlsWhole(QWidget& parent)
{
    QList<QWidget*> shown = parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    shown.removeIf([](QWidget* w) { return !w->isVisible(); });
    for (QWidget* w : shown) {
        SCOPED_TRACE(w->objectName().toStdString() + " " + w->metaObject()->className());
        EXPECT_TRUE(parent.rect().contains(w->geometry()));
        for (QWidget* other : shown)
            EXPECT_TRUE(w == other || !w->geometry().intersects(other->geometry()))
                << "overlaps " << other->objectName().toStdString();
        const QFontMetrics metrics = w->fontMetrics();
        const auto* label = qobject_cast<QLabel*>(w);
        if (w->metaObject() == &QFrame::staticMetaObject)
            expectControlsWhole(*w);
        else if (label && label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
        else {
            EXPECT_GE(w->width(),
                      qobject_cast<QPushButton*>(w)
                          ? metrics.horizontalAdvance(w->property("text").toString()) + 4
                      : qobject_cast<QLineEdit*>(w)
                          ? metrics.horizontalAdvance(QStringLiteral("0000000")) + 4
                          : w->sizeHint().width());
            // A line of text (the colour sample lines have no size hint).
            EXPECT_GE(w->height(), std::min(w->sizeHint().height(), metrics.height()));
        }
    }
}

} // namespace tarnivel
