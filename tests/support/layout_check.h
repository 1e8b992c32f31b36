#pragma once

#include <QWidget>

#include <gtest/gtest.h>

// Nothing cut off or overlapping: every control on show lies within its parent, overlaps none of
// its siblings and is as large as its minimum size hint (a wrapped text as high as all its
// lines), a button as wide as its text and a rate box as seven digits. The controls within a
// control are looked into as well.
inline void expectControlsWhole(QWidget& parent)
{
    QRegion taken;
    for (QWidget* w : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible())
            continue;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(parent.rect().contains(w->geometry()) && !taken.intersects(w->geometry()));
        taken += w->geometry();
        QSize need = w->minimumSizeHint().expandedTo({0, w->heightForWidth(w->width())});
        const bool box = w->inherits("QLineEdit");
        const QString text = box ? QStringLiteral("0000000") : w->property("text").toString();
        if (box || w->inherits("QPushButton"))
            need.setWidth(w->fontMetrics().horizontalAdvance(text) + 4);
        EXPECT_EQ(w->size().expandedTo(need), w->size());
        expectControlsWhole(*w);
    }
}
