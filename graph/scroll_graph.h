#pragma once

#include "graph/colour.h"
#include "graph/data_thread.h"
#include "graph/graph_raster.h"

#include <QImage>
#include <QVariantMap>
#include <QWidget>

#include <optional>

namespace tarnivel {

// A bar graph of two series that scrolls one pixel left per new pair of samples. What is drawn
// lives in one persistent image; painting only copies that image to the screen.
class ctlScrollGraph2 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(float MinValue READ MinValue WRITE setMinValue NOTIFY MinValueChanged)
    Q_PROPERTY(float MaxValue READ MaxValue WRITE setMaxValue NOTIFY MaxValueChanged)

public:
    explicit ctlScrollGraph2(QWidget* parent = nullptr);

    clsDataThread& DLThread() noexcept { return mobjDLThread; }
    const clsDataThread& DLThread() const noexcept { return mobjDLThread; }
    clsDataThread& ULThread() noexcept { return mobjULThread; }
    const clsDataThread& ULThread() const noexcept { return mobjULThread; }

    // Setters store only; the new values show from the next drawn column on.
    ColourRef OverLapColour() const noexcept { return mlOverLapColour; }
    void setOverLapColour(ColourRef lOverLapColour) noexcept { mlOverLapColour = lOverLapColour; }
    ColourRef BackColour() const noexcept { return mlBackColour; }
    void setBackColour(ColourRef lBackColour) noexcept;

    float MinValue() const noexcept { return msngMinValue; }
    void setMinValue(float lMinValue);
    float MaxValue() const noexcept { return msngMaxValue; }
    void setMaxValue(float lMaxValue);

    // Scrolls one column left and draws the newest pair of samples at the right edge.
    void ShiftDisplayLeft();
    void Clear();
    // Clears and draws the whole history at the current scale and colours.
    void RedrawWhole();

    // The host's saved form data: values equal to their defaults (0 and 100) are left out.
    QVariantMap writeProperties() const;
    void readProperties(const QVariantMap& bag);

    const QImage& image() const noexcept { return m_image; }

signals:
    // Button: 1 left, 2 right, 4 middle (MouseUp: the one released; MouseMove: those held).
    // Shift: 1 Shift, 2 Ctrl, 4 Alt. X, Y: position in surface pixels.
    void MouseUp(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MinValueChanged();
    void MaxValueChanged();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void DrawGraph();
    // Re-creates the image for the current size and device-pixel ratio and draws everything.
    void rebuildSurface();
    int pixelScale() const;
    raster::Surface surface();
    raster::Colours colours() const;
    raster::Scale scale() const { return {msngMinValue, msngMaxValue}; }

    float msngMinValue = raster::Scale{}.minValue;
    float msngMaxValue = raster::Scale{}.maxValue;
    ColourRef mlBackColour = 0xFFFFFF;
    ColourRef mlOverLapColour = 0;
    clsDataThread mobjULThread;
    clsDataThread mobjDLThread;
    // The surface keeps the palette's window colour until BackColour is first set.
    std::optional<std::uint32_t> m_surfaceBack;
    QImage m_image; // stands for the drawing surface picDisplay
};

} // namespace tarnivel
