#include "graph/scroll_graph.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnivel;

namespace {

struct Shown {
    Shown(int w, int h)
    {
        graph.resize(w, h);
        graph.show(); // delivers the pending resize, which draws
    }
    QRgb pixel(int x, int y) const { return graph.image().pixel(x, y); }
    ctlScrollGraph2 graph;
};

} // namespace

TEST(ScrollGraph, SettingsShowOnlyOnceRedrawn)
{
    Shown g(129, 50);
    EXPECT_EQ(g.graph.BackColour(), 0xFFFFFF);
    const QRgb window = g.graph.palette().color(QPalette::Window).rgb();
    EXPECT_EQ(g.pixel(128, 48), window);
    EXPECT_EQ(g.pixel(0, 49), toArgb(0)); // all samples 0: only the overlap mark at the bottom

    QSignalSpy maxChanged(&g.graph, &ctlScrollGraph2::MaxValueChanged);
    const QImage before = g.graph.image();
    g.graph.DLThread().NewValue(50);
    g.graph.setBackColour(8421504);
    g.graph.setOverLapColour(0xFF0000);
    g.graph.DLThread().setColour(255);
    g.graph.setMaxValue(200);
    EXPECT_EQ(maxChanged.count(), 1);
    EXPECT_EQ(g.graph.image(), before);

    g.graph.RedrawWhole();
    EXPECT_EQ(g.pixel(128, 38), toArgb(8421504)); // 50 of 200 on 50 rows: y = 37.5, end row 38
    EXPECT_EQ(g.pixel(128, 39), toArgb(255));
    EXPECT_EQ(g.pixel(128, 49), toArgb(0xFF0000));
}

TEST(ScrollGraph, ShiftAndResizeMatchAFullRedraw)
{
    Shown g(300, 40);
    g.graph.setBackColour(8421504);
    g.graph.RedrawWhole();
    for (int i = 0; i < 40; ++i) {
        g.graph.DLThread().NewValue(static_cast<float>(i * 37 % 120));
        g.graph.ULThread().NewValue(static_cast<float>(i * 53 % 110));
        g.graph.ShiftDisplayLeft();
    }
    const QImage scrolled = g.graph.image();
    g.graph.RedrawWhole();
    EXPECT_EQ(g.graph.image(), scrolled);
    g.graph.resize(200, 40);
    EXPECT_EQ(g.graph.image(), scrolled.copy(100, 0, 200, 40));
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
    Shown g(129, 50);
    QSignalSpy up(&g.graph, &ctlScrollGraph2::MouseUp);
    QSignalSpy move(&g.graph, &ctlScrollGraph2::MouseMove);
    QTest::mousePress(&g.graph, Qt::RightButton, Qt::ControlModifier, QPoint(5, 7));
    QTest::mouseRelease(&g.graph, Qt::RightButton, Qt::ControlModifier, QPoint(5, 7));
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up.at(0), (QVariantList{short(2), short(2), 5.0f, 7.0f}));

    QMouseEvent held(QEvent::MouseMove, QPointF(9, 3), QPointF(9, 3), Qt::NoButton,
                     Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(&g.graph, &held);
    ASSERT_EQ(move.count(), 1);
    EXPECT_EQ(move.at(0), (QVariantList{short(5), short(5), 9.0f, 3.0f}));
}
