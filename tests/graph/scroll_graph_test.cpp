#include "graph/scroll_graph.h"

#include <gtest/gtest.h>

using namespace tarnivel;

// The colours set reach the drawing, and a scrolled image matches a redraw:
// narrowing redraws with the newest sample rightmost.
TEST(ScrollGraph, DrawsItsSettingsAndRedrawsWhatScrolled)
{
    ctlScrollGraph2 g;
    g.resize(300, 50);
    g.show(); // delivers the pending resize, which draws
    g.DLThread().NewValue(25);
    g.setBackColour(8421504);
    g.DLThread().setColour(255);
    g.RedrawWhole();
    EXPECT_EQ(g.image().pixel(299, 38), toArgb(8421504)); // 25 of 100 on 50 rows: y = 37.5
    EXPECT_EQ(g.image().pixel(299, 39), toArgb(255));

    g.DLThread().NewValue(30);
    g.ShiftDisplayLeft();
    const QImage scrolled = g.image();
    g.resize(200, 50);
    EXPECT_EQ(g.image(), scrolled.copy(100, 0, 200, 50));
}
