#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>
#include <regex>
#include <stdexcept>

namespace tarnivel {
namespace {

using namespace std::string_literals;

// The keys the meter stores as it unloads, in order; the size follows only for a normal window.
const std::string kStored = "MaxValue DLColour ULColour BackColour OverlapColour Float Opacity ";

// The fixture is the window's counter table, clock, tray and end of the program.
class MainWindowTest : public ::testing::Test, public CounterSource {
protected:
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        if (fail)
            throw std::runtime_error("table gone");
        rows = {{"eth0", received, sent}};
        return true;
    }
    unsigned counterBits() const override { return 64; }

    // A window over a fresh store that holds `stored`.
    std::unique_ptr<frmMain> make(decltype(MemorySettings::values) stored = {}, bool tray = true)
    {
        settings = {};
        settings.values = std::move(stored);
        return std::make_unique<frmMain>(MainWindowDeps{
            settings, *this, [this] { return now; }, [tray] { return tray; }, [this] { ++quits; },
            [this] {
                return singleClicksOnly;
            }});
    }
    void tick(frmMain& w, std::uint64_t in, std::uint64_t out = 0, int seconds = 1)
    {
        received += in;
        sent += out;
        now += std::chrono::seconds(seconds);
        w.Timer1_Timer();
    }
    // The keys written so far, in order; "flush" marks a flush.
    std::string writes() const { return std::regex_replace(settings.log, std::regex("=\\S*"), ""); }

    MemorySettings settings;
    int quits = 0;                 // how often the window ended the program
    bool singleClicksOnly = false; // the tray knows no double click
    std::uint64_t received = 1'000'000, sent = 500'000;
    bool fail = false;
    std::chrono::steady_clock::time_point now{std::chrono::seconds(1000)};
};

TEST_F(MainWindowTest, LoadAppliesTheStoredValues)
{
    const auto w = make({{"MaxValue", "50000"},
                         {"DLColour", "16711680"},
                         {"ULColour", "255"},
                         {"BackColour", "0"},
                         {"OverlapColour", "65280"},
                         {"Width", "7500"},
                         {"Height", "100"}});
    const ctlScrollGraph2& g = w->graDU();
    EXPECT_EQ(g.MaxValue(), 50000.0f);
    EXPECT_EQ((std::array{g.DLThread().Colour(), g.ULThread().Colour(), g.BackColour(),
                          g.OverLapColour()}),
              (std::array{16711680, 255, 0, 65280}));
    EXPECT_EQ(w->size(), QSize(466, 27));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "on top by default";
    EXPECT_LE(QFontMetrics(w->lblDisplay().font()).height(), 10);
}

// A window hidden in the tray is still loaded and keeps the program alive; every close of the
// meter (window manager, Alt+F4, "Exit") stores the settings once and ends the program once. A
// quit of the application (session end, signal) stores them too, in the tray as well. The size
// is stored only for a normal window; Float is on top only for "1" and written back as "0" else.
TEST_F(MainWindowTest, EveryCloseStoresOnceAndEndsTheProgram)
{
    const struct {
        const char* way;
        std::function<void(frmMain&)> act;
        Qt::WindowState state;
        const char* storedFloat;
        int quits; // by the window; an application quit needs none
    } rows[] = {
        {"close", [](frmMain& w) { w.close(); }, Qt::WindowMaximized, "yes", 1},
        {"Exit", [](frmMain& w) { w.tray().buildPopupMenu()->actions().back()->trigger(); },
         Qt::WindowMinimized, "1", 1},
        {"quit in the tray", [](frmMain& w) { w.tray().SendToTray(); }, Qt::WindowNoState, "0", 0},
    };
    for (const auto& r : rows) {
        quits = 0;
        const auto w = make({{"Float", r.storedFloat}});
        EXPECT_EQ(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), r.storedFloat == "1"s);
        w->show();
        w->tray().SendToTray();
        QApplication::processEvents();
        EXPECT_EQ(quits, 0) << "the tray closes nothing";
        w->tray().RestoreFromTray();
        w->resize(200, 100);
        w->setWindowState(r.state);
        r.act(*w);
        QApplication::processEvents();
        EXPECT_EQ(quits, r.quits) << r.way;
        QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
        EXPECT_FALSE(w->isVisible() || w->tray().trayIcon().isVisible() || w->Timer1().isActive())
            << r.way;
        const bool normal = r.state == Qt::WindowNoState;
        EXPECT_EQ(writes(), kStored + (normal ? "Width Height " : "") + "flush") << r.way;
        EXPECT_EQ(settings.values["Float"], r.storedFloat == "1"s ? "1" : "0");
    }
    EXPECT_EQ(settings.values["Width"] + " " + settings.values["Height"], "3000 1500"); // twips
}

TEST_F(MainWindowTest, ResizeKeepsTheLimitsLayoutAndShape)
{
    const auto w = make();
    const struct {
        QSize asked, size;
        QRect graph, label; // the rows between and below them are cut out of the shape
    } rows[] = {{{}, {129, 82}, {0, 0, 129, 69}, {0, 71, 129, 10}},
                {{5, 5}, {14, 27}, {0, 0, 14, 14}, {0, 16, 14, 10}},
                {{5000, 9000}, {466, 466}, {0, 0, 466, 453}, {0, 455, 466, 10}}};
    for (const auto& r : rows) {
        if (r.asked.isValid())
            w->resize(r.asked);
        w->show(); // the first row is laid out before the window is shown
        EXPECT_EQ(w->size(), r.size);
        EXPECT_EQ(w->graDU().geometry(), r.graph);
        EXPECT_EQ(w->lblDisplay().geometry(), r.label);
        EXPECT_EQ(w->mask(), QRegion(r.graph) + r.label) << r.size.width();
    }
}

TEST_F(MainWindowTest, TickShowsRatesAndTrayPictureAndSurvivesFailures)
{
    const auto w = make();
    tick(*w, 1536);
    EXPECT_TRUE(w->lblDisplay().text().isEmpty());
    const struct {
        std::uint64_t in, out;
        int seconds;
        const char *label, *picture;
    } rows[] = {{1536, 0, 1, "DL: 1.5 UL: 0.0", "d0u0"},
                {12544, 2048, 1, "DL: 12.3 UL: 2.0", "d1u0"}, // KiB of 1024 bytes
                {41667, 9000, 1, "DL: 40.7 UL: 8.8", "d3u1"},
                {3 * 1536, 0, 3, "DL: 1.5 UL: 0.0", "d0u0"}}; // a late tick
    for (const auto& r : rows) {
        tick(*w, r.in, r.out, r.seconds);
        EXPECT_EQ(w->lblDisplay().text(), r.label);
        EXPECT_EQ(w->tray().trayPictureKey(), r.picture);
    }
    w->graDU().setMaxValue(0);
    tick(*w, 0);
    EXPECT_EQ(w->tray().trayPictureKey(), "d5u5");
    fail = true;
    EXPECT_NO_THROW(tick(*w, 1024));
    fail = false;
    tick(*w, 1024);
    tick(*w, 2048);
    EXPECT_EQ(w->lblDisplay().text(), "DL: 2.0 UL: 0.0");
}

// Float, "Send To Tray", a double click on the icon and Exit are covered end to end (tests/e2e);
// here what needs a desktop without a tray or a tray that knows no double click.
TEST_F(MainWindowTest, SendToTrayNeedsATrayAndAnotherStartBringsTheMeterForward)
{
    for (const bool tray : {false, true}) {
        const auto w = make({}, tray);
        w->show();
        const auto menu = w->tray().buildPopupMenu();
        EXPECT_EQ(menu->parent(), nullptr); // the caller is its one owner
        EXPECT_EQ(menu->actions()[1]->isEnabled(), tray);
        w->tray().SendToTray();
        EXPECT_EQ(w->isVisible(), !tray);
        EXPECT_EQ(w->tray().trayIcon().isVisible(), tray);
        w->tray().RestoreFromTray();
        // A tray that knows no double click restores on a click; any other ignores clicks.
        for (const bool clicksOnly : {false, true}) {
            singleClicksOnly = clicksOnly;
            w->tray().SendToTray();
            emit w->tray().trayIcon().activated(QSystemTrayIcon::Trigger);
            emit w->tray().trayIcon().activated(QSystemTrayIcon::Context);
            EXPECT_EQ(w->tray().isInTray(), tray && !clicksOnly) << clicksOnly;
            w->tray().RestoreFromTray();
        }
        w->tray().SendToTray();
        w->BringForward();
        EXPECT_TRUE(w->isVisible() && !w->tray().isInTray() && !w->tray().trayIcon().isVisible());
        w->showMinimized();
        w->BringForward();
        EXPECT_FALSE(w->isMinimized());
    }
}

// A window system may hand the window a size outside the limits (and keep it): the graph, label
// and shape follow the size the window has, then the window asks for the bounded one.
TEST_F(MainWindowTest, SizeOutsideTheLimitsIsLaidOutBeforeTheBoundedOneIsAsked)
{
    struct SizeLog final : QObject {
        std::vector<QSize> sizes;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Resize)
                sizes.push_back(static_cast<QResizeEvent*>(event)->size());
            return false;
        }
    } graphSizes;
    const auto w = make();
    w->show();
    QApplication::processEvents();
    w->graDU().installEventFilter(&graphSizes);
    w->windowHandle()->resize(600, 500); // bypasses the widget's limits, as a window manager can
    QApplication::processEvents();
    EXPECT_EQ(graphSizes.sizes, (std::vector<QSize>{{600, 487}, {466, 453}}));
    EXPECT_EQ(w->size(), QSize(466, 466));
    EXPECT_EQ(w->mask(), QRegion(0, 0, 466, 453) + QRegion(0, 455, 466, 10));
}

TEST_F(MainWindowTest, TooltipFollowsTheLabelAndUnchangedTextIsNotHandedOverAgain)
{
    const auto w = make();
    EXPECT_EQ(w->tray().trayIcon().toolTip(), "Tarnivel");
    tick(*w, 0);
    EXPECT_EQ(w->tray().trayIcon().toolTip(),
              "Tarnivel: "); // the label is empty until the 2nd tick
    tick(*w, 0);
    EXPECT_EQ(w->tray().trayIcon().toolTip(), "Tarnivel: DL: 0.0 UL: 0.0");
    // Text built anew and handed over would replace the tray's copy of it.
    const QString handed = w->tray().trayIcon().toolTip();
    tick(*w, 0);
    tick(*w, 0);
    EXPECT_EQ(w->tray().trayIcon().toolTip().constData(), handed.constData());
}

TEST_F(MainWindowTest,
       RightPressOnTheLabelResizesWhileRightReleaseOnTheGraphOrTheKeyboardOpenTheMenu)
{
    const auto w = make();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    // Closes any menu that opens and counts its items; a menu's own event loop runs the timer too.
    qsizetype menu = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&menu] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menu += popup->actions().size();
            popup->close();
        }
    });
    closer.start(10);

    const QSize before = w->size();
    QLabel& label = w->lblDisplay();
    QTest::mousePress(&label, Qt::RightButton, {}, {20, 5});
    QTest::mouseMove(&label, {50, 25});
    QTest::mouseRelease(&label, Qt::RightButton, {}, {50, 25});
    QTest::qWait(50);
    EXPECT_EQ(w->size(), before + QSize(30, 20));
    EXPECT_EQ(menu, 0);

    QTest::mousePress(&w->graDU(), Qt::RightButton, {}, {40, 20});
    EXPECT_EQ(menu, 0) << "the menu opens on the release";
    QTest::mouseRelease(&w->graDU(), Qt::RightButton, {}, {40, 20});
    EXPECT_EQ(menu, 5) << "one menu with its five items";
    EXPECT_EQ(w->size(), before + QSize(30, 20));

    // From the keyboard: the Menu key (a context-menu event) and Shift+F10.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {10, 10},
                              w->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(w.get(), &menuKey);
    EXPECT_EQ(menu, 10);
    QTest::keyClick(w.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menu, 15);
    QTest::keyClick(w.get(), Qt::Key_F10);
    EXPECT_EQ(menu, 15);
}

TEST_F(MainWindowTest, StoredOpacityReachesTheWindow)
{
    for (const int opacity : {0, 128, 255}) {
        const auto w = make({{"Opacity", std::to_string(opacity)}});
        w->show();
        EXPECT_EQ(w->windowHandle()->opacity(), opacity / 255.0);
    }
}

TEST_F(MainWindowTest, SettingsGetsTheTotalsOnlyWhileOpenAndExitClosesIt)
{
    const auto window = make();
    frmMain& w = *window;
    const auto totals = [&w] {
        QStringList texts;
        for (const char* name : {"lblDLTotal", "lblULTotal"})
            texts << w.settingsDialog()->findChild<QLabel*>(QLatin1String(name))->text();
        return texts.join(' ').toStdString();
    };
    tick(w, 0);
    EXPECT_EQ(w.settingsDialog(), nullptr);
    const auto menu = w.tray().buildPopupMenu();
    menu->actions()[2]->trigger(); // "Settings..."
    frmSettings* dialog = w.settingsDialog();
    ASSERT_NE(dialog, nullptr);
    int unloaded = 0;
    QObject::connect(dialog, &frmSettings::Unloaded, [&] { ++unloaded; });
    EXPECT_EQ(totals(), " ");
    received = 6442450944; // 64-bit sums: no wrap at 4 GiB
    tick(w, 0, 1024);
    EXPECT_EQ(totals(), "6.00 Gb 489.28 kb");
    dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    tick(w, 1ull << 30);
    EXPECT_EQ(totals(), "6.00 Gb 489.28 kb") << "no totals while closed";

    w.ShowSettings();
    EXPECT_EQ(w.settingsDialog(), dialog) << "created once and kept";
    tick(w, 0);
    EXPECT_EQ(totals(), "7.00 Gb 489.28 kb");
    menu->actions().back()->trigger(); // "Exit"
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(unloaded, 2);
    EXPECT_EQ(quits, 1);
}

} // namespace
} // namespace tarnivel
