#include "graph/scroll_graph.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QWindow>

#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

namespace tarnivel {
namespace {

using namespace std::chrono_literals;

class MemorySettings final : public SettingsBackend {
public:
    std::optional<std::string> value(std::string_view, std::string_view,
                                     std::string_view key) override
    {
        const auto it = values.find(std::string(key));
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void setValue(std::string_view, std::string_view, std::string_view key,
                  std::string_view text) override
    {
        writes.emplace_back(key);
        values[std::string(key)] = std::string(text);
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
};

class FakeCounters final : public CounterSource {
public:
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        if (fail)
            throw std::runtime_error("table gone");
        rows = {{"eth0", received, sent}};
        return true;
    }
    unsigned counterBits() const override { return 64; }
    std::uint64_t received = 1'000'000, sent = 500'000;
    bool fail = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<frmMain> make(bool tray = true)
    {
        return std::make_unique<frmMain>(MainWindowDeps{settings, counters, [this] { return now; },
                                                        [tray] { return tray; },
                                                        [this] {
                                                            ++quits;
                                                        }});
    }
    // One second of traffic, then a tick.
    void tick(frmMain& w, std::uint64_t in, std::uint64_t out = 0,
              std::chrono::seconds elapsed = 1s)
    {
        counters.received += in;
        counters.sent += out;
        now += elapsed;
        w.Timer1_Timer();
    }
    static void mouse(QWidget& target, QEvent::Type type, QPoint global, Qt::MouseButton button,
                      Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(2, 2), QPointF(global), button, held, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    MemorySettings settings;
    FakeCounters counters;
    std::chrono::steady_clock::time_point now{1000s};
    int quits = 0;
};

TEST_F(MainWindowTest, LoadsDefaultsFromAnEmptyStore)
{
    const auto w = make();
    EXPECT_EQ(w->size(), QSize(129, 82));
    EXPECT_TRUE(w->isFloat());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w->windowType(), Qt::Tool);
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_EQ(w->graDU().MaxValue(), 100000.0f);
    EXPECT_EQ(w->graDU().DLThread().Colour(), 255);
    EXPECT_EQ(w->graDU().ULThread().Colour(), 65280);
    EXPECT_EQ(w->graDU().BackColour(), 8421504);
    EXPECT_EQ(w->graDU().OverLapColour(), 65535);
    EXPECT_EQ(w->trayIcon().toolTip(), "Tarnivel");
    EXPECT_TRUE(w->lblDisplay().text().isEmpty());
    EXPECT_EQ(w->Timer1().interval(), 1000);
    EXPECT_EQ(w->Timer1().timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(w->Timer1().isActive());
    EXPECT_TRUE(settings.writes.empty()) << "loading stores nothing";
    EXPECT_LE(QFontMetrics(w->lblDisplay().font()).height(), 10);
}

TEST_F(MainWindowTest, AppliesStoredValuesAndClampsTheSize)
{
    settings.values = {{"MaxValue", "50000"},      {"DLColour", "16711680"},
                       {"ULColour", "255"},        {"BackColour", "0"},
                       {"OverlapColour", "65280"}, {"Width", "3000"},
                       {"Height", "100"},          {"Float", "0"},
                       {"Opacity", "128"}};
    const auto w = make();
    EXPECT_EQ(w->graDU().MaxValue(), 50000.0f);
    EXPECT_EQ(w->graDU().DLThread().Colour(), 16711680);
    EXPECT_EQ(w->graDU().ULThread().Colour(), 255);
    EXPECT_EQ(w->graDU().BackColour(), 0);
    EXPECT_EQ(w->graDU().OverLapColour(), 65280);
    EXPECT_EQ(w->size(), QSize(200, 27));
    EXPECT_FALSE(w->isFloat());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->Opacity(), 128);
    EXPECT_NEAR(w->windowOpacity(), 128.0 / 255.0, 0.01);
}

TEST_F(MainWindowTest, FloatOtherThanOneMeansNotOnTopAndIsStoredAsZero)
{
    settings.values["Float"] = "yes";
    auto w = make();
    EXPECT_FALSE(w->isFloat());
    w->close();
    EXPECT_EQ(settings.values["Float"], "0");
}

TEST_F(MainWindowTest, UnloadWritesEveryKeyInOrderExactlyOnce)
{
    const auto w = make();
    w->resize(200, 100);
    w->close();
    QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
    const std::vector<std::string> order{"MaxValue",   "DLColour",      "ULColour",
                                         "BackColour", "OverlapColour", "Float",
                                         "Opacity",    "Width",         "Height"};
    EXPECT_EQ(settings.writes, order);
    EXPECT_EQ(settings.values["Width"], "3000");
    EXPECT_EQ(settings.values["Height"], "1500");
    EXPECT_EQ(settings.values["Float"], "1");
    EXPECT_FALSE(w->Timer1().isActive());
}

TEST_F(MainWindowTest, QuittingUnloadsAndTheSizeIsSkippedUnlessNormal)
{
    for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized}) {
        settings.writes.clear();
        const auto w = make();
        w->setWindowState(state);
        QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
        EXPECT_EQ(settings.writes.size(), 7u) << state;
        EXPECT_EQ(settings.writes.back(), "Opacity");
    }
}

TEST_F(MainWindowTest, ResizeKeepsLimitsLayoutAndShape)
{
    const auto w = make();
    EXPECT_EQ(w->lblDisplay().geometry(), QRect(0, 71, 129, 10));
    EXPECT_EQ(w->graDU().geometry(), QRect(0, 0, 129, 69));
    const QRegion mask = w->mask();
    for (int row : {0, 68, 71, 80})
        EXPECT_TRUE(mask.contains(QPoint(5, row))) << row;
    for (int row : {69, 70, 81})
        EXPECT_FALSE(mask.contains(QPoint(5, row))) << row;

    w->show();
    w->resize(200, 100);
    EXPECT_EQ(w->lblDisplay().geometry(), QRect(0, 89, 200, 10));
    EXPECT_EQ(w->graDU().geometry(), QRect(0, 0, 200, 87));
    EXPECT_EQ(w->mask(), QRegion(0, 0, 200, 87) + QRegion(0, 89, 200, 10));

    w->resize(5, 5);
    EXPECT_EQ(w->size(), QSize(14, 27));
    w->resize(5000, 9000);
    EXPECT_EQ(w->size(), QSize(466, 466));
}

TEST_F(MainWindowTest, TickShowsRatesFromTheSecondTickOn)
{
    const auto w = make();
    tick(*w, 1536);
    EXPECT_TRUE(w->lblDisplay().text().isEmpty());
    EXPECT_EQ(w->trayIcon().toolTip(), "Tarnivel: ");

    struct Case {
        std::uint64_t in, out;
        std::chrono::seconds elapsed;
        const char* label;
    };
    for (const Case& c :
         {Case{1536, 0, 1s, "DL: 1.5 UL: 0.0"}, Case{1075, 0, 1s, "DL: 1.0 UL: 0.0"},
          Case{1127, 2048, 1s, "DL: 1.1 UL: 2.0"}, Case{12544, 0, 1s, "DL: 12.3 UL: 0.0"},
          Case{3 * 1536, 0, 3s, "DL: 1.5 UL: 0.0"}, // a late tick
          Case{0, 0, 1s, "DL: 0.0 UL: 0.0"}}) {
        tick(*w, c.in, c.out, c.elapsed);
        EXPECT_EQ(w->lblDisplay().text(), c.label);
        EXPECT_EQ(w->trayIcon().toolTip(), QString("Tarnivel: ") + c.label);
        EXPECT_FLOAT_EQ(w->graDU().DLThread().GetLatestValue(),
                        static_cast<float>(c.in) / static_cast<float>(c.elapsed.count()));
        EXPECT_FLOAT_EQ(w->graDU().ULThread().GetLatestValue(),
                        static_cast<float>(c.out) / static_cast<float>(c.elapsed.count()));
    }
}

TEST_F(MainWindowTest, TickPicksTheTrayPictureAndSurvivesFailures)
{
    const auto w = make();
    tick(*w, 0);
    EXPECT_EQ(w->trayPictureKey(), "d0u0");
    tick(*w, 41667, 9000);
    EXPECT_EQ(w->trayPictureKey(), "d3u1");
    w->graDU().setMaxValue(0);
    tick(*w, 0);
    EXPECT_EQ(w->trayPictureKey(), "d5u5");
    w->graDU().setMaxValue(100000);

    counters.fail = true;
    EXPECT_NO_THROW(tick(*w, 1024));
    counters.fail = false;
    tick(*w, 1024);
    tick(*w, 2048);
    EXPECT_EQ(w->lblDisplay().text(), "DL: 2.0 UL: 0.0");
}

TEST_F(MainWindowTest, MenuItemsAndFloatKeepTheWindowInPlace)
{
    const auto w = make();
    w->show();
    w->move(120, 140);
    const QRect geometry = w->geometry();
    const QRegion mask = w->mask();

    for (const bool expectFloat : {false, true}) {
        const auto menu = w->buildPopupMenu();
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), 4);
        EXPECT_EQ(items[0]->text(), "Float");
        EXPECT_EQ(items[1]->text(), "Send To Tray");
        EXPECT_TRUE(items[2]->isSeparator());
        EXPECT_EQ(items[3]->text(), "Exit");
        EXPECT_TRUE(items[0]->isCheckable());
        EXPECT_EQ(items[0]->isChecked(), !expectFloat);
        items[0]->trigger();
        EXPECT_EQ(w->isFloat(), expectFloat);
        EXPECT_EQ(static_cast<bool>(w->windowFlags() & Qt::WindowStaysOnTopHint), expectFloat);
        EXPECT_EQ(static_cast<bool>(w->windowHandle()->flags() & Qt::WindowStaysOnTopHint),
                  expectFloat);
    }
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), geometry);
    EXPECT_EQ(w->mask(), mask);
    EXPECT_EQ(w->Opacity(), 255);
}

TEST_F(MainWindowTest, SendToTrayAndBackOnlyWithATray)
{
    for (const bool tray : {false, true}) {
        const auto w = make(tray);
        w->show();
        const auto menu = w->buildPopupMenu();
        EXPECT_EQ(menu->actions()[1]->isEnabled(), tray);
        w->SendToTray();
        EXPECT_EQ(w->isInTray(), tray);
        EXPECT_EQ(w->isVisible(), !tray);
        EXPECT_EQ(w->trayIcon().isVisible(), tray);
        if (!tray)
            continue;
        emit w->trayIcon().activated(QSystemTrayIcon::Trigger);
        emit w->trayIcon().activated(QSystemTrayIcon::Context);
        EXPECT_TRUE(w->isInTray()) << "single and right clicks do nothing";
        emit w->trayIcon().activated(QSystemTrayIcon::DoubleClick);
        EXPECT_FALSE(w->isInTray());
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->trayIcon().isVisible());
    }
}

TEST_F(MainWindowTest, ExitStoresTheSettingsAndQuits)
{
    const auto w = make();
    w->show();
    w->buildPopupMenu()->actions()[3]->trigger();
    EXPECT_EQ(settings.writes.size(), 9u);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWindowTest, DraggingFollowsTheMouseWithoutAWindowManager)
{
    const auto w = make();
    w->show();
    w->move(100, 100);
    mouse(w->graDU(), QEvent::MouseButtonPress, {110, 110}, Qt::LeftButton, Qt::LeftButton);
    mouse(w->graDU(), QEvent::MouseMove, {110, 110}, Qt::NoButton, Qt::LeftButton);
    mouse(w->graDU(), QEvent::MouseMove, {150, 130}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(w->pos(), QPoint(140, 120));
    mouse(w->graDU(), QEvent::MouseButtonRelease, {150, 130}, Qt::LeftButton, Qt::NoButton);
    mouse(w->graDU(), QEvent::MouseMove, {170, 130}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->pos(), QPoint(140, 120)) << "the drag ends with the button";

    // Any button on the label resizes from the lower-right corner.
    mouse(w->lblDisplay(), QEvent::MouseButtonPress, {200, 200}, Qt::RightButton, Qt::RightButton);
    mouse(w->lblDisplay(), QEvent::MouseMove, {230, 190}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(w->size(), QSize(159, 72));
    EXPECT_EQ(w->pos(), QPoint(140, 120));
    mouse(w->lblDisplay(), QEvent::MouseMove, {-500, -500}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(w->size(), QSize(14, 27));
    mouse(w->lblDisplay(), QEvent::MouseButtonRelease, {-500, -500}, Qt::RightButton, Qt::NoButton);
}

} // namespace
} // namespace tarnivel
