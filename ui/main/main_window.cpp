#include "ui/main/main_window.h"

#include "graph/scroll_graph.h"
#include "resources/icons.h"
#include "sampling/rate_format.h"
#include "ui/common/qt_text.h"
#include "ui/main/window_geometry.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>
#include <QWindow>

#include <exception>

namespace tarnivel {

Q_LOGGING_CATEGORY(lcTick, "tarnivel.tick", QtWarningMsg)

namespace {

QRect toQRect(const EdgeRect& r)
{
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The rate line's font: bold, fixed width, small enough for its 10 pixel height. DejaVu Sans
// Mono ships with every Debian desktop; the style hint finds another monospace elsewhere.
QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPixelSize(8);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

frmMain::frmMain(MainWindowDeps deps, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_deps(std::move(deps)),
      m_reader(m_deps.counters), m_sampler(m_reader, m_deps.clock),
      m_graDU(new ctlScrollGraph2(this)), m_lblDisplay(new QLabel(this)),
      m_tray(*this, m_deps.trayAvailable, m_deps.traySingleClicksOnly),
      m_decimalPoint(localeDecimalPoint())
{
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(appIcon());
    const PixelSize low = minimumWindowSize();
    const PixelSize high = maximumWindowSize();
    setMinimumSize(low.width, low.height);
    setMaximumSize(high.width, high.height);

    m_lblDisplay->setFont(labelFont());
    m_lblDisplay->setAlignment(Qt::AlignCenter);
    m_lblDisplay->setBackgroundRole(QPalette::Base);
    m_lblDisplay->setForegroundRole(QPalette::Text);
    m_lblDisplay->setAutoFillBackground(true);
    // A press on the label resizes the window; it never opens a menu.
    m_lblDisplay->setContextMenuPolicy(Qt::PreventContextMenu);
    m_lblDisplay->installEventFilter(this);
    m_graDU->installEventFilter(this);

    connect(m_graDU, &ctlScrollGraph2::MouseMove, this, &frmMain::graDU_MouseMove);
    connect(m_graDU, &ctlScrollGraph2::MouseUp, this, &frmMain::graDU_MouseUp);
    // Session end and termination signals quit the application without closing this window.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &frmMain::Form_Unload);

    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    m_resizeStore.setSingleShot(true);
    m_resizeStore.setInterval(500);
    connect(&m_resizeStore, &QTimer::timeout, this, &frmMain::StoreSettings);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    const WindowSettings stored = readWindowSettings(m_deps.settings);
    m_graDU->setMaxValue(static_cast<float>(stored.MaxValue));
    const PixelSize size = windowSizeFromTwips(stored.Width, stored.Height);
    resize(size.width, size.height);
    setOpacity(stored.Opacity);
    setFloat(stored.Float);
    m_graDU->setBackColour(stored.BackColour);
    m_graDU->DLThread().setColour(stored.DLColour);
    m_graDU->ULThread().setColour(stored.ULColour);
    m_graDU->setOverLapColour(stored.OverlapColour);
    // A hidden window gets its resize event only when shown: lay out and shape it now.
    Form_Resize();
    m_timer1.start();
}

void frmMain::setOpacity(std::uint8_t nOpacity)
{
    mbytOpacity = nOpacity;
    setWindowOpacity(nOpacity / 255.0);
}

void frmMain::setFloat(bool bFloat)
{
    mbFloat = bFloat;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, bFloat);
    if (QWindow* window = windowHandle()) {
        // setWindowFlags would hide and re-create a shown window, which then lands elsewhere.
        overrideWindowFlags(flags);
        window->setFlag(Qt::WindowStaysOnTopHint, bFloat);
    } else {
        setWindowFlags(flags);
    }
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
    // The size the load gives a hidden window is the stored one already.
    if (isVisible())
        m_resizeStore.start();
}

void frmMain::Form_Resize()
{
    // Lay out for the size the window has now: a window system may keep a size outside the
    // limits, and the graph, label and shape must fit the window that is really there.
    const auto shape = windowShape(width(), height());
    m_lblDisplay->setGeometry(toQRect(shape[0]));
    m_graDU->setGeometry(toQRect(shape[1]));
    ApplyWindowShape();
    // Size hints bind resize() and well-behaved window managers; ask for any other size back.
    const QSize bounded = size().expandedTo(minimumSize()).boundedTo(maximumSize());
    if (bounded != size())
        resize(bounded);
}

void frmMain::ApplyWindowShape()
{
    if (isMinimized())
        return;
    QRegion region;
    for (const EdgeRect& rect : windowShape(width(), height()))
        region += toQRect(rect);
    setMask(region);
}

void frmMain::Timer1_Timer()
{
    try {
        const RateSample sample = m_sampler.sample();
        const auto dlKiB = static_cast<float>(sample.inRate / 1024.0);
        const auto ulKiB = static_cast<float>(sample.outRate / 1024.0);
        m_tray.UpdateTrayIcon(sample.inRate, sample.outRate);
        m_graDU->ULThread().NewValue(static_cast<float>(sample.outRate));
        m_graDU->DLThread().NewValue(static_cast<float>(sample.inRate));
        if (bStarted) {
            m_graDU->ShiftDisplayLeft();
            m_lblDisplay->setText(QString::fromStdString(rateLabel(dlKiB, ulKiB, m_decimalPoint)));
        }
        m_tray.UpdateTrayTip(m_lblDisplay->text());
        if (mbSettingsOpen && mfrmSettings)
            mfrmSettings->NewTotals(sample.inTotal, sample.outTotal);
        bStarted = true;
    } catch (const std::exception& e) {
        qCWarning(lcTick, "tick failed: %s", e.what());
    } catch (...) {
        qCWarning(lcTick, "tick failed");
    }
    qCDebug(lcTick).noquote() << m_lblDisplay->text();
}

void frmMain::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse opens the menu on the right button's release over the graph; this event only
    // stands for the keyboard's Menu key, which asks for the menu at the window.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    m_tray.ShowPopupMenu(event->globalPos());
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10, the other keyboard way to a context menu, where the platform does not turn it
    // into a context-menu event itself.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)
        m_tray.ShowPopupMenu(m_graDU->mapToGlobal(m_graDU->rect().center()));
    else
        QWidget::keyPressEvent(event);
}

void frmMain::ShowSettings()
{
    mbSettingsOpen = true;
    if (!mfrmSettings) {
        mfrmSettings = new frmSettings({*m_graDU,
                                        [this] { return mbytOpacity; },
                                        [this](std::uint8_t nOpacity) { setOpacity(nOpacity); },
                                        {},
                                        {}},
                                       this);
        connect(mfrmSettings, &frmSettings::Unloaded, this, &frmMain::mfrmSettings_Unloaded);
        connect(mfrmSettings, &frmSettings::Applied, this, &frmMain::StoreSettings);
    }
    mfrmSettings->ShowDialog();
}

void frmMain::mfrmSettings_Unloaded()
{
    mbSettingsOpen = false;
}

void frmMain::exitProgram()
{
    if (mfrmSettings)
        mfrmSettings->close();
    // Hidden windows are skipped by closeAllWindows, so this one stores its settings first.
    Form_Unload();
    QApplication::closeAllWindows();
    quitProgram();
}

void frmMain::quitProgram()
{
    // "Exit" closes this window too, and its close asks again: the program ends once.
    if (m_quitRequested)
        return;
    m_quitRequested = true;
    if (m_deps.quit)
        m_deps.quit();
    else
        QCoreApplication::quit();
}

void frmMain::BringForward()
{
    if (m_tray.isInTray())
        m_tray.RestoreFromTray();
    else
        showNormal();
    raise();
    activateWindow();
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_timer1.stop();
    m_resizeStore.stop();
    StoreSettings();
    m_unloaded = true;
    m_tray.RemoveTrayIcon();
}

void frmMain::StoreSettings()
{
    if (m_unloaded)
        return;
    const Qt::WindowStates state = windowState();
    const bool normal =
        !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const LiveSettings live{m_graDU->MaxValue(),
                            m_graDU->DLThread().Colour(),
                            m_graDU->ULThread().Colour(),
                            m_graDU->BackColour(),
                            m_graDU->OverLapColour(),
                            mbFloat,
                            mbytOpacity,
                            static_cast<float>(pixelsToTwips(width())),
                            static_cast<float>(pixelsToTwips(height())),
                            normal};
    try {
        writeWindowSettings(m_deps.settings, live);
    } catch (const std::exception& e) {
        qWarning("storing the settings failed: %s", e.what());
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // However the window is closed (the window manager, Alt+F4, "Exit"), it is the meter's
    // unload: the settings are stored and the program ends. Hiding in the tray closes nothing.
    Form_Unload();
    event->accept();
    quitProgram();
}

void frmMain::graDU_MouseMove(short Button, short /*Shift*/, float /*X*/, float /*Y*/)
{
    if (Button == 1 && m_drag == Drag::None)
        beginDrag(Drag::Move, true);
}

void frmMain::graDU_MouseUp(short Button, short /*Shift*/, float /*X*/, float /*Y*/)
{
    if (Button == 2)
        m_tray.ShowPopupMenu();
}

void frmMain::lblDisplay_MouseDown(Qt::MouseButton button)
{
    // The system resize ends on a left-button release (that is the button X11 window managers
    // are told of), so other buttons resize by following the mouse here.
    if (m_drag == Drag::None)
        beginDrag(Drag::Resize, button == Qt::LeftButton);
}

void frmMain::beginDrag(Drag kind, bool systemAllowed)
{
    QWindow* window = windowHandle();
    const bool systemDrag =
        systemAllowed && window &&
        (kind == Drag::Move ? window->startSystemMove()
                            : window->startSystemResize(Qt::BottomEdge | Qt::RightEdge));
    if (systemDrag) {
        // The window manager owns the pointer now and Qt may never see the release; asking
        // again within the same press would start a second drag that outlives the button.
        m_drag = Drag::System;
        return;
    }
    // No window manager to do it (or one that refuses): follow the mouse until release.
    m_drag = kind;
    m_dragStartPointer = m_pointerGlobal;
    m_dragStartGeometry = geometry();
}

bool frmMain::followDrag(const QPoint& globalPos)
{
    const QPoint delta = globalPos - m_dragStartPointer;
    switch (m_drag) {
    case Drag::Move:
        move(m_dragStartGeometry.topLeft() + delta);
        return true;
    case Drag::Resize:
        resize(m_dragStartGeometry.size() + QSize(delta.x(), delta.y()));
        return true;
    case Drag::System:
    case Drag::None:
        break;
    }
    return false;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool onLabel = watched == m_lblDisplay;
    if (!onLabel && watched != m_graDU)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (static_cast<QMouseEvent*>(event)->buttons() ==
            static_cast<QMouseEvent*>(event)->button())
            m_drag = Drag::None; // the first button of a new press
        m_pointerGlobal = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (onLabel) {
            lblDisplay_MouseDown(static_cast<QMouseEvent*>(event)->button());
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        m_pointerGlobal = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (followDrag(m_pointerGlobal))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            m_drag = Drag::None;
        if (onLabel)
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnivel
