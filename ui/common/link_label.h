#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace tarnivel {

// A label with underlined text that opens its target when clicked: a web page, a mail
// (mailto:) or a local file. Its colour tells the link's state; a link without a target is
// shown disabled and does nothing.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    enum class State { New, Followed, Failed, Disabled };

    // Opens a target; QDesktopServices::openUrl unless a test hands in its own.
    using Opener = std::function<bool(const QUrl&)>;

    LinkLabel(const QString& text, const QUrl& target, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LinkLabel)

    const QUrl& target() const noexcept { return m_target; }
    void setTarget(const QUrl& target);
    State state() const noexcept { return m_state; }
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    // Opens the target as a click does.
    void follow();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setState(State state);

    QUrl m_target;
    State m_state = State::New;
    Opener m_opener;
};

} // namespace tarnivel
