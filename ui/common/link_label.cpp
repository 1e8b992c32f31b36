#include "ui/common/link_label.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace tarnivel {

namespace {

// The link colours: blue while new, purple once followed, red when opening failed, grey
// without a target.
QColor stateColour(LinkLabel::State state)
{
    switch (state) {
    case LinkLabel::State::New:
        return QColor(0x00, 0x00, 0xFF);
    case LinkLabel::State::Followed:
        return QColor(0x80, 0x00, 0x80);
    case LinkLabel::State::Failed:
        return QColor(0xFF, 0x00, 0x00);
    case LinkLabel::State::Disabled:
        break;
    }
    return QColor(0x80, 0x80, 0x80);
}

} // namespace

LinkLabel::LinkLabel(const QString& text, const QUrl& target, QWidget* parent)
    : QLabel(text, parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setTextFormat(Qt::PlainText);
    setTarget(target);
}

void LinkLabel::setTarget(const QUrl& target)
{
    m_target = target;
    setState(target.isEmpty() ? State::Disabled : State::New);
}

void LinkLabel::setState(State state)
{
    m_state = state;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, stateColour(state));
    setPalette(colours);
    const bool live = state != State::Disabled;
    setCursor(live ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setToolTip(live ? m_target.toDisplayString() : QString());
}

void LinkLabel::follow()
{
    if (m_state == State::Disabled)
        return;
    const bool opened = m_opener ? m_opener(m_target) : QDesktopServices::openUrl(m_target);
    setState(opened ? State::Followed : State::Failed);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        follow();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tarnivel
