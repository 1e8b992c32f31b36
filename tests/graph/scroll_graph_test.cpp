#include "graph/scroll_graph.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tarnivel;

TEST(ScrollGraph, SettingsShowOnceRedrawnAndResizeRedraws)
{
    ctlScrollGraph2 g;
    g.resize(300, 50);
    g.show(); // delivers the pending resize, which draws
    const QImage before = g.image();
    g.DLThread().NewValue(50);
    g.setBackColour(8421504);
    g.DLThread().setColour(255);
    g.ULThread().setColour(0xFFFF);
    g.setMaxValue(200);
    EXPECT_EQ(g.image(), before);

    g.RedrawWhole();
    EXPECT_EQ(g.image().pixel(299, 38), toArgb(8421504)); // 50 of 200 on 50 rows: y = 37.5
    EXPECT_EQ(g.image().pixel(299, 39), toArgb(255));
    EXPECT_EQ(g.image().pixel(299, 49), toArgb(0)); // the overlap colour

    // A scrolled image matches a redraw: narrowing redraws with the newest sample rightmost.
    g.DLThread().NewValue(30);
    g.ULThread().NewValue(120);
    g.ShiftDisplayLeft();
    const QImage scrolled = g.image();
    g.resize(200, 50);
    EXPECT_EQ(g.image(), scrolled.copy(100, 0, 200, 50));
}

TEST(ScrollGraph, PropertyBagLeavesOutDefaults)
{
    ctlScrollGraph2 graph, loaded;
    EXPECT_TRUE(graph.writeProperties().isEmpty());
    graph.setMaxValue(1000);
    loaded.setMinValue(7);
    loaded.readProperties(graph.writeProperties());
    EXPECT_EQ(loaded.MinValue(), 0.0f);
    EXPECT_EQ(loaded.MaxValue(), 1000.0f);
}

TEST(ScrollGraph, MouseEventsPassButtonShiftAndPosition)
{
    ctlScrollGraph2 g;
    QSignalSpy up(&g, &ctlScrollGraph2::MouseUp), move(&g, &ctlScrollGraph2::MouseMove);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 7), QPointF(5, 7), Qt::RightButton,
                        Qt::NoButton, Qt::ControlModifier);
    QMouseEvent held(QEvent::MouseMove, QPointF(9, 3), QPointF(9, 3), Qt::NoButton,
                     Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(&g, &release);
    QApplication::sendEvent(&g, &held);
    EXPECT_EQ(up, (QList<QVariantList>{{short(2), short(2), 5.0f, 7.0f}}));
    EXPECT_EQ(move, (QList<QVariantList>{{short(5), short(5), 9.0f, 3.0f}}));
}
