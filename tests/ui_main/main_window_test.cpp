#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>
#include <sstream>

namespace tarnivel {
namespace {

// The fixture is the window's counter table, clock, tray and end of the program.
class MainWindowTest : public ::testing::Test, public CounterSource {
protected:
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        rows = {{"eth0", received, sent}};
        return true;
    }
    unsigned counterBits() const override { return 64; }

    // A window over a fresh store that holds `stored`, "Key=text" pairs apart by blanks.
    std::unique_ptr<frmMain> make(const std::string& stored = "", bool tray = true)
    {
        settings = {};
        std::istringstream pairs(stored);
        for (std::string pair; pairs >> pair;)
            settings.values[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
        return std::make_unique<frmMain>(MainWindowDeps(
            settings, *this, [this] { return now; }, [tray] { return tray; }, [this] { ++quits; },
            [this] { return singleClicksOnly; }));
    }
    void tick(frmMain& w, std::uint64_t in, std::uint64_t out = 0)
    {
        received += in;
        sent += out;
        now += std::chrono::seconds(1);
        w.Timer1_Timer();
    }

    MemorySettings settings;
    int quits = 0;                 // how often the window ended the program
    bool singleClicksOnly = false; // the tray knows no double click
    std::uint64_t received = 1'000'000, sent = 500'000;
    std::chrono::steady_clock::time_point now{};
};

// The meter's life: what it loads it stores back once, however it ends: a close of the window
// (the window manager, Alt+F4), "Exit", or a quit of the application (session end, a signal), in
// the tray as well. Float is on only for "1" and written back as "0" else; the size is stored only
// for a normal window. "Send To Tray" needs a tray; only a tray that knows no double click
// restores on a single click (the double click and the stacking are covered end to end,
// tests/e2e); another start brings the meter forward.
TEST_F(MainWindowTest, LoadsTheSettingsLivesInTheTrayAndStoresThemOnceAtEveryEnd)
{
    const struct {
        std::function<void(frmMain&)> end;
        Qt::WindowState state;
        const char* storedFloat;
        bool tray, clicksOnly;
        int quits; // by the window; an application quit needs none
    } rows[] = {
        {[](frmMain& w) { w.close(); }, Qt::WindowMaximized, "yes", false, false, 1},
        {[](frmMain& w) { w.tray().buildPopupMenu()->actions().back()->trigger(); },
         Qt::WindowMinimized, "1", true, true, 1},
        {[](frmMain& w) { w.tray().SendToTray(); }, Qt::WindowNoState, "0", true, false, 0},
    };
    const std::string loaded =
        "MaxValue=50000 DLColour=65280 ULColour=255 BackColour=0 OverlapColour=16711680 ";
    for (const auto& r : rows) {
        quits = 0;
        singleClicksOnly = r.clicksOnly;
        const auto w =
            make(loaded + "Float=" + r.storedFloat + " Opacity=128 Width=3000 Height=1500", r.tray);
        const bool onTop = r.storedFloat == std::string("1");
        const auto menu = w->tray().buildPopupMenu();
        EXPECT_EQ(menu->actions()[0]->isChecked(), onTop);  // "Float"
        EXPECT_EQ(menu->actions()[1]->isEnabled(), r.tray); // "Send To Tray"
        w->show();
        EXPECT_EQ(w->windowHandle()->opacity(), 128 / 255.0);

        w->tray().SendToTray();
        EXPECT_NE(w->isVisible(), r.tray);
        emit w->tray().trayIcon().activated(QSystemTrayIcon::Trigger);
        EXPECT_EQ(w->tray().isInTray(), r.tray && !r.clicksOnly);
        w->BringForward();
        EXPECT_TRUE(w->isVisible() && !w->tray().trayIcon().isVisible());

        w->setWindowState(r.state);
        r.end(*w);
        EXPECT_EQ(quits, r.quits);
        QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
        EXPECT_EQ(settings.log,
                  loaded + "Float=" + (onTop ? "1" : "0") + " Opacity=128 " +
                      (r.state == Qt::WindowNoState ? "Width=3000 Height=1500 " : "") + "flush");
    }
}

TEST_F(MainWindowTest, TickShowsRatesAndTrayPictureAndGivesAnOpenSettingsDialogTheTotals)
{
    const auto w = make();
    tick(*w, 1536);
    EXPECT_TRUE(w->lblDisplay().text().isEmpty()); // counter sums are no rate
    tick(*w, 12544, 2048);                         // KiB of 1024 bytes
    EXPECT_EQ(w->lblDisplay().text(), "DL: 12.3 UL: 2.0");
    EXPECT_EQ(w->tray().trayPictureKey(), "d1u0");
    tick(*w, 41667, 9000);
    EXPECT_EQ(w->lblDisplay().text(), "DL: 40.7 UL: 8.8");
    EXPECT_EQ(w->tray().trayPictureKey(), "d3u1");
    // The picture is the one for the key: its third incoming segment lit.
    EXPECT_EQ(w->tray().trayIcon().icon().pixmap(16).toImage().pixel(4, 7), 0xFFFF0000);

    // The settings dialog gets the totals while it is open.
    const auto total = [&w] {
        return w->settingsDialog()->findChild<QLabel*>(QStringLiteral("lblDLTotal"))->text();
    };
    received = 6442450944; // 64-bit sums: no wrap at 4 GiB
    tick(*w, 0);
    w->ShowSettings();
    ASSERT_NE(w->settingsDialog(), nullptr);
    tick(*w, 1024);
    EXPECT_EQ(total(), "6.00 Gb");
    w->settingsDialog()->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    tick(*w, 1ull << 30);
    EXPECT_EQ(total(), "6.00 Gb") << "no totals while closed";
}

// The window keeps its size within the limits, the graph and the label laid out in it and the
// shape cut to them. The menu opens on the right release over the graph (never on the window
// system's context-menu event of the mouse), on the Menu key and on Shift+F10.
TEST_F(MainWindowTest, ShapeFollowsTheSizeWithinTheLimitsAndTheMenuOpensOnReleaseOrFromKeys)
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
    QTest::mousePress(&w->graDU(), Qt::RightButton, {}, {40, 20});
    QTest::mouseRelease(&w->graDU(), Qt::RightButton, {}, {40, 20});
    EXPECT_EQ(menu, 5) << "one menu with its five items";
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        QContextMenuEvent event(reason, {10, 10}, w->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(w.get(), &event);
    }
    QTest::keyClick(w.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menu, 15) << "the Menu key and Shift+F10, but not the mouse's event";
}

} // namespace
} // namespace tarnivel
