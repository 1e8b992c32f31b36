#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "tests/support/picture_check.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarnivel;
using namespace std::chrono_literals;

// The fixture is the window's counter table, clock, tray and end of the program.
class MainWindowTest : public ::testing::Test, public CounterSource {
protected:
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        rows = {{"eth0", received, sent}};
        return true;
    }
    unsigned counterBits() const override { return 64; }

    MemorySettings settings;
    std::chrono::steady_clock::time_point now{};
    // 64-bit sums: no wrap at 4 GiB. 41667 more make 6 GiB less a byte: "6.00 Gb", rounded up.
    std::uint64_t received = 6442409276, sent = 0;
};

// What the meter loads it stores back once, however it ends: a close of the window, "Exit", or
// a quit of the application (session end, a signal), in the tray as well. Float is on only for
// "1"; the size is stored only for a normal window. "Send To Tray" needs a tray; only a tray that
// knows no double click restores on a single click; another start brings the meter forward,
// with the focus.
TEST_F(MainWindowTest, LoadsTheSettingsLivesInTheTrayAndStoresThemOnceAtEveryEnd)
{
    const struct {
        std::function<void(frmMain&)> end;
        Qt::WindowState state;
        std::string storedFloat;
        bool tray, clicksOnly, windowEnds; // an application quit needs no quit by the window
    } rows[] = {
        {[](frmMain& w) { w.close(); }, Qt::WindowMaximized, "0", false, false, true},
        {[](frmMain& w) { w.tray().buildPopupMenu()->actions().back()->trigger(); },
         Qt::WindowMinimized, "1", true, true, true},
        {[](frmMain& w) { w.tray().SendToTray(); }, Qt::WindowNoState, "0", true, false, false},
    };
    for (const auto& r : rows) {
        settings = {};
        settings.values = {{"Float", r.storedFloat}};
        int quits = 0; // how often the window ended the program
        frmMain w({settings, *this, [this] { return now += 1s; }, [&r] { return r.tray; },
                   [&quits] { ++quits; },
                   [&r] {
                       return r.clicksOnly;
                   }});
        const auto menu = w.tray().buildPopupMenu();
        EXPECT_EQ(
            std::tuple(menu->actions()[0]->isChecked(), menu->actions()[1]->isEnabled(),
                       w.windowFlags().testFlag(Qt::WindowStaysOnTopHint)),
            std::tuple(r.storedFloat == "1", r.tray, r.storedFloat == "1")); // Float, Send To Tray
        w.show();
        EXPECT_EQ(w.windowOpacity(), 1.0);
        w.tray().SendToTray();
        emit w.tray().trayIcon().activated(QSystemTrayIcon::Trigger);
        EXPECT_EQ(w.tray().isInTray(), r.tray && !r.clicksOnly);
        QWidget other; // another window has the focus
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        w.BringForward();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w) && !w.tray().trayIcon().isVisible());

        w.setWindowState(r.state);
        r.end(w);
        QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
        EXPECT_EQ(std::pair(quits, settings.log.substr(settings.log.find("Float="))),
                  std::pair(int{r.windowEnds}, "Float=" + r.storedFloat + " Opacity=255 " +
                                                   (r.state ? "" : "Width=1935 Height=1230 ") +
                                                   "flush"));
    }
}

// The display may die before the unload can store anything: every change the user makes is
// stored at once ("Float", OK in the settings dialog, a resize once it has come to rest), with
// every other key as the unload writes it. A tick stores nothing.
TEST_F(MainWindowTest, StoresEveryChangeOfTheUserAtOnceAndNothingPerTick)
{
    frmMain w({settings, *this, [this] { return now += 1s; }, [] { return true; }, [] {}, {}});
    w.show();
    for (int tick = 0; tick < 3; ++tick)
        w.Timer1_Timer();
    QTest::qWait(700);
    EXPECT_EQ(settings.log, "");

    w.tray().buildPopupMenu()->actions()[0]->trigger(); // "Float"
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "the widget's flags too";
    EXPECT_EQ(settings.log, "MaxValue=100000 DLColour=255 ULColour=65280 BackColour=8421504 "
                            "OverlapColour=65535 Float=0 Opacity=255 Width=1935 Height=1230 flush");
    w.ShowSettings();
    w.settingsDialog()->findChild<QComboBox*>(QStringLiteral("cmbTrans"))->setCurrentIndex(2);
    w.settingsDialog()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(settings.values["Opacity"], "204");
    w.resize(200, 100);
    w.resize(201, 101);
    EXPECT_EQ(settings.values["Width"], "1935") << "stored while the resize goes on";
    EXPECT_TRUE(QTest::qWaitFor([this] { return settings.values["Width"] == "3015"; }));
    EXPECT_EQ(std::pair(settings.values["Height"], settings.log.ends_with("flush")),
              std::pair(std::string("1515"), true));
    const std::string stored = settings.log;
    QTest::qWait(700);
    EXPECT_EQ(settings.log, stored) << "once";
}

// The rates and the tray picture follow the ticks; the settings dialog gets the totals while open.
// The window keeps its size within the limits, the graph and the label laid out in it and the
// shape cut to them. The menu opens on the right release over the graph (never on the window
// system's context-menu event of the mouse), on the Menu key and on Shift+F10.
TEST_F(MainWindowTest, ShowsRatesTotalsAndItsShapeAndOpensTheMenuOnReleaseOrFromKeys)
{
    // Stored colours: orange incoming, blue outgoing, black background, white overlap.
    // clang-format off
    settings.values = {{"DLColour", "33023"}, {"ULColour", "16744448"}, {"BackColour", "0"},
                       {"OverlapColour", "16777215"}};
    // clang-format on
    frmMain w({settings, *this, [this] { return now += 1s; }, [] { return true; }, [] {}, {}});
    w.ShowSettings();
    const auto* total = w.settingsDialog()->findChild<QLabel*>(QStringLiteral("lblDLTotal"));
    w.Timer1_Timer();
    EXPECT_TRUE(w.lblDisplay().text().isEmpty());    // counter sums are no rate
    EXPECT_TRUE(w.lblDisplay().font().fixedPitch()); // where DejaVu Sans Mono is missing
    received += 41667;                               // KiB of 1024 bytes
    w.Timer1_Timer();
    EXPECT_EQ(std::tuple(w.lblDisplay().text(), w.tray().trayIcon().toolTip(),
                         w.tray().trayPictureKey(), total->text()),
              std::tuple("DL: 40.7 UL: 0.0", "Tarnivel: DL: 40.7 UL: 0.0", "d3u0", "6.00 Gb"));
    // The tray's and the window's picture is the one for the key: its third incoming segment lit.
    for (const QIcon& icon : {w.tray().trayIcon().icon(), w.windowIcon()})
        EXPECT_EQ(icon.pixmap(16).toImage().pixel(4, 7), 0xFFFF0000);
    w.settingsDialog()->reject();
    w.show(); // the pictures are what reaches the screen
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const auto onScreen = [&w] {
        QCoreApplication::processEvents();
        return w.screen()->grabWindow(w.winId()).toImage();
    };
    for (int i = 0; i < 150; ++i, w.Timer1_Timer()) { // incoming above, equal to, below outgoing
        received += i * 37813 % 120000;
        sent += i % 5 ? i * 7919 % 90000 : i * 37813 % 120000;
    }
    // What scrolled in is what the history holds. The run with QT_SCALE_FACTOR=2 compares the
    // graph alone: each of its pixels a block of 2 x 2.
    const bool doubled = w.devicePixelRatio() == 2;
    for (int redrawn = 0; redrawn < 2; ++redrawn, w.graDU().RedrawWhole())
        expectPicture(doubled ? w.graDU().grab().toImage() : onScreen(),
                      doubled ? "meter-graph-2x" : "meter");
    EXPECT_EQ(total->text(), "6.00 Gb") << "no totals while closed";

    const struct {
        QSize asked, size;
        QRect graph, label; // the rows between and below them are cut out of the shape
    } rows[] = {{{129, 82}, {129, 82}, {0, 0, 129, 69}, {0, 71, 129, 10}},
                {{5, 5}, {14, 27}, {0, 0, 14, 14}, {0, 16, 14, 10}},
                {{5000, 9000}, {466, 466}, {0, 0, 466, 453}, {0, 455, 466, 10}}};
    for (const auto& r : rows) {
        w.resize(r.asked);
        EXPECT_EQ(std::tuple(w.size(), w.graDU().geometry(), w.lblDisplay().geometry(), w.mask()),
                  std::tuple(r.size, r.graph, r.label, QRegion(r.graph) + r.label));
    }

    // A drag on the graph moves the window from its first motion on, one on the label resizes it;
    // each ends with the release.
    const QPoint place = w.pos();
    QTest::mousePress(&w.graDU(), Qt::LeftButton, {}, {40, 20});
    for (const QPoint at : {QPoint(41, 21), QPoint(51, 31)})
        QTest::mouseMove(&w.graDU(), at);
    QTest::mouseRelease(&w.graDU(), Qt::LeftButton, {}, {41, 21});
    QTest::mouseMove(&w.graDU(), {60, 40});
    EXPECT_EQ(w.pos(), place + QPoint(10, 10));
    QTest::mousePress(&w.lblDisplay(), Qt::RightButton, {}, {40, 5}); // a resize from the press
    QTest::mouseMove(&w.lblDisplay(), {30, 2});
    QTest::mouseRelease(&w.lblDisplay(), Qt::RightButton, {}, {30, 2});
    EXPECT_EQ(w.size(), QSize(456, 463));

    qsizetype items = 0; // in the menus that open, each closed by a timer its event loop runs
    QTimer closer;
    closer.callOnTimeout([&items] {
        if (QWidget* popup = QApplication::activePopupWidget(); popup && popup->close())
            items += popup->actions().size();
    });
    closer.start(10);
    QTest::mouseClick(&w.graDU(), Qt::RightButton, {}, {40, 20});
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, {}, {}),
        key(QContextMenuEvent::Keyboard, {}, {});
    QApplication::sendEvent(&w, &mouse);
    EXPECT_EQ(items, 5) << "the mouse's context-menu event opens nothing";
    QApplication::sendEvent(&w, &key);
    QTest::keyClick(&w, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(items, 15) << "five items each: the release, the Menu key and Shift+F10";
}
