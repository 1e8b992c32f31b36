#include "graph/scroll_graph.h"

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
