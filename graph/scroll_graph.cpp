#include "graph/scroll_graph.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tarnivel {

namespace {

constexpr raster::Scale kDefaultScale;

short buttonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

// Events after which the screen's pixel ratio may differ from the image's.
bool mayChangePixelRatio(QEvent::Type type)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (type == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return type == QEvent::ScreenChangeInternal;
}

} // namespace

ctlScrollGraph2::ctlScrollGraph2(QWidget* parent) : QWidget(parent)
{
    // The image covers every pixel, and the move events are wanted without a button held too.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ctlScrollGraph2::setBackColour(ColourRef lBackColour) noexcept
{
    mlBackColour = lBackColour;
    m_surfaceBack = toArgb(lBackColour);
}

// The host is told on every set, as it persists the value whether it changed or not.
void ctlScrollGraph2::setMinValue(float lMinValue)
{
    msngMinValue = lMinValue;
    emit MinValueChanged();
}

void ctlScrollGraph2::setMaxValue(float lMaxValue)
{
    msngMaxValue = lMaxValue;
    emit MaxValueChanged();
}

void ctlScrollGraph2::ShiftDisplayLeft()
{
    raster::ShiftDisplayLeft(surface(), mobjDLThread.GetLatestValue(),
                             mobjULThread.GetLatestValue(), scale(), colours());
    update();
}

void ctlScrollGraph2::Clear()
{
    raster::Clear(surface(), colours().back);
    update();
}

void ctlScrollGraph2::RedrawWhole()
{
    DrawGraph();
}

void ctlScrollGraph2::DrawGraph()
{
    raster::DrawGraph(surface(), mobjDLThread, mobjULThread, scale(), colours());
    update();
}

QVariantMap ctlScrollGraph2::writeProperties() const
{
    QVariantMap bag;
    if (msngMinValue != kDefaultScale.minValue)
        bag.insert(QStringLiteral("MinValue"), msngMinValue);
    if (msngMaxValue != kDefaultScale.maxValue)
        bag.insert(QStringLiteral("MaxValue"), msngMaxValue);
    return bag;
}

void ctlScrollGraph2::readProperties(const QVariantMap& bag)
{
    setMinValue(bag.value(QStringLiteral("MinValue"), kDefaultScale.minValue).toFloat());
    setMaxValue(bag.value(QStringLiteral("MaxValue"), kDefaultScale.maxValue).toFloat());
}

bool ctlScrollGraph2::event(QEvent* e)
{
    // Moving to a screen of another pixel ratio needs an image of that ratio.
    const bool handled = QWidget::event(e);
    if (mayChangePixelRatio(e->type()) && !m_image.isNull() &&
        pixelScale() != qRound(m_image.devicePixelRatio()))
        rebuildSurface();
    return handled;
}

void ctlScrollGraph2::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    painter.drawImage(e->rect(), m_image,
                      QRectF(e->rect().topLeft() * m_image.devicePixelRatio(),
                             e->rect().size() * m_image.devicePixelRatio()));
}

void ctlScrollGraph2::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    rebuildSurface();
}

void ctlScrollGraph2::mousePressEvent(QMouseEvent* e)
{
    // Taken so that the release and the moves while held come here; no event is raised.
    e->accept();
}

void ctlScrollGraph2::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF pos = e->position();
    emit MouseUp(buttonCode(e->button()), shiftCode(e->modifiers()), static_cast<float>(pos.x()),
                 static_cast<float>(pos.y()));
}

void ctlScrollGraph2::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = e->position();
    emit MouseMove(buttonCode(e->buttons()), shiftCode(e->modifiers()), static_cast<float>(pos.x()),
                   static_cast<float>(pos.y()));
}

void ctlScrollGraph2::rebuildSurface()
{
    const int k = pixelScale();
    m_image = QImage(width() * k, height() * k, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(k);
    DrawGraph();
}

int ctlScrollGraph2::pixelScale() const
{
    return std::max(1, qRound(devicePixelRatioF()));
}

raster::Surface ctlScrollGraph2::surface()
{
    if (m_image.isNull())
        return {};
    const int k = qRound(m_image.devicePixelRatio());
    // bits() detaches, so a copy of image() held elsewhere is never drawn into.
    return {reinterpret_cast<std::uint32_t*>(m_image.bits()), m_image.width() / k,
            m_image.height() / k, k,
            m_image.bytesPerLine() / static_cast<int>(sizeof(std::uint32_t))};
}

raster::Colours ctlScrollGraph2::colours() const
{
    const std::uint32_t back = m_surfaceBack.value_or(palette().color(QPalette::Window).rgb());
    return {toArgb(mobjDLThread.Colour()), toArgb(mobjULThread.Colour()), toArgb(mlOverLapColour),
            back};
}

} // namespace tarnivel
