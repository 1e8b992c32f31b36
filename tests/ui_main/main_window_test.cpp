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
        values[std::string(key)] = text;
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
        const auto quit = [this] {
            ++quits;
        };
        return std::make_unique<frmMain>(MainWindowDeps{settings, counters, [this] { return now; },
                                                        [tray] { return tray; }, quit});
    }
    // Traffic over dt, then a tick.
    void tick(frmMain& w, std::uint64_t in, std::uint64_t out = 0, std::chrono::seconds dt = 1s)
    {
        counters.received += in;
        counters.sent += out;
        now += dt;
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

TEST_F(MainWindowTest, LoadsDefaults)
{
    const auto w = make();
    EXPECT_EQ(w->size(), QSize(129, 82));
    EXPECT_EQ(w->windowFlags() & (Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_EQ(w->trayIcon().toolTip(), "Tarnivel");
    EXPECT_TRUE(w->lblDisplay().text().isEmpty());
    EXPECT_TRUE(w->Timer1().isActive());
    EXPECT_LE(QFontMetrics(w->lblDisplay().font()).height(), 10);
}

TEST_F(MainWindowTest, AppliesStoredValuesAndClampsTheSize)
{
    settings.values = {{"MaxValue", "50000"}, {"DLColour", "16711680"},   {"ULColour", "255"},
                       {"BackColour", "0"},   {"OverlapColour", "65280"}, {"Width", "3000"},
                       {"Height", "100"},     {"Float", "yes"},           {"Opacity", "128"}};
    const auto w = make();
    EXPECT_EQ(w->graDU().MaxValue(), 50000.0f);
    EXPECT_EQ(w->graDU().DLThread().Colour(), 16711680);
    EXPECT_EQ(w->graDU().ULThread().Colour(), 255);
    EXPECT_EQ(w->graDU().BackColour(), 0);
    EXPECT_EQ(w->graDU().OverLapColour(), 65280);
    EXPECT_EQ(w->size(), QSize(200, 27));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NEAR(w->windowOpacity(), 128.0 / 255.0, 0.01);
    w->close();
    EXPECT_EQ(settings.values["Float"], "0");
    EXPECT_EQ(settings.values["Opacity"], "128");
}

TEST_F(MainWindowTest, UnloadsOnceInOrderAndStoresTheSizeOnlyWhenNormal)
{
    for (const Qt::WindowState state :
         {Qt::WindowNoState, Qt::WindowMaximized, Qt::WindowMinimized}) {
        settings.writes.clear();
        const auto w = make();
        w->resize(200, 100);
        w->setWindowState(state);
        w->close();
        QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
        std::vector<std::string> order{"MaxValue",      "DLColour", "ULColour", "BackColour",
                                       "OverlapColour", "Float",    "Opacity"};
        if (state == Qt::WindowNoState)
            order.insert(order.end(), {"Width", "Height"});
        EXPECT_EQ(settings.writes, order) << state;
        EXPECT_FALSE(w->Timer1().isActive());
    }
    EXPECT_EQ(settings.values["Width"], "3000");
    EXPECT_EQ(settings.values["Height"], "1500");

    settings.writes.clear(); // "Exit" stores, closes the windows and quits
    const auto w = make();
    w->show();
    w->buildPopupMenu()->actions().back()->trigger();
    EXPECT_EQ(settings.writes.size(), 9u);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWindowTest, ResizeKeepsLimitsLayoutAndShape)
{
    const auto w = make();
    const QRegion mask = w->mask(); // rows 69, 70 and 81 are cut out
    EXPECT_EQ(mask, QRegion(0, 0, 129, 69) + QRegion(0, 71, 129, 10));
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
        std::chrono::seconds dt;
        const char* label;
    };
    for (const Case& c :
         {Case{1536, 0, 1s, "DL: 1.5 UL: 0.0"}, Case{1075, 0, 1s, "DL: 1.0 UL: 0.0"},
          Case{1127, 2048, 1s, "DL: 1.1 UL: 2.0"}, Case{12544, 0, 1s, "DL: 12.3 UL: 0.0"},
          Case{3 * 1536, 0, 3s, "DL: 1.5 UL: 0.0"}, // a late tick
          Case{0, 0, 1s, "DL: 0.0 UL: 0.0"}}) {
        tick(*w, c.in, c.out, c.dt);
        EXPECT_EQ(w->lblDisplay().text(), c.label);
        EXPECT_EQ(w->trayIcon().toolTip(), QString("Tarnivel: ") + c.label);
        const auto seconds = static_cast<float>(c.dt.count());
        EXPECT_FLOAT_EQ(w->graDU().DLThread().GetLatestValue(), static_cast<float>(c.in) / seconds);
        EXPECT_FLOAT_EQ(w->graDU().ULThread().GetLatestValue(),
                        static_cast<float>(c.out) / seconds);
    }
}

TEST_F(MainWindowTest, TickPicksTheTrayPictureAndSurvivesFailures)
{
    const auto w = make();
    tick(*w, 0);
    tick(*w, 41667, 9000);
    EXPECT_EQ(w->trayPictureKey(), "d3u1");
    w->graDU().setMaxValue(0);
    tick(*w, 0);
    EXPECT_EQ(w->trayPictureKey(), "d5u5");

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
    for (const bool expectFloat : {false, true}) {
        const auto menu = w->buildPopupMenu();
        QStringList texts; // a separator has no text
        for (const QAction* item : menu->actions())
            texts << item->text();
        EXPECT_EQ(texts, QStringList({"Float", "Send To Tray", "", "Exit"}));
        QAction* floatItem = menu->actions().front();
        EXPECT_EQ(floatItem->isChecked(), !expectFloat);
        floatItem->trigger();
        EXPECT_EQ(w->isFloat(), expectFloat);
        EXPECT_EQ(w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), expectFloat);
    }
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), geometry);
    EXPECT_EQ(w->mask(), QRegion(0, 0, 129, 69) + QRegion(0, 71, 129, 10));
}

TEST_F(MainWindowTest, SendToTrayAndBackOnlyWithATray)
{
    for (const bool tray : {false, true}) {
        const auto w = make(tray);
        w->show();
        EXPECT_EQ(w->buildPopupMenu()->actions()[1]->isEnabled(), tray);
        w->SendToTray();
        EXPECT_EQ(w->isVisible(), !tray);
        EXPECT_EQ(w->trayIcon().isVisible(), tray);
        if (!tray)
            continue;
        emit w->trayIcon().activated(QSystemTrayIcon::Trigger);
        emit w->trayIcon().activated(QSystemTrayIcon::Context);
        EXPECT_TRUE(w->isInTray()) << "single and right clicks do nothing";
        emit w->trayIcon().activated(QSystemTrayIcon::DoubleClick);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->trayIcon().isVisible());
    }
}

TEST_F(MainWindowTest, DraggingFollowsTheMouseWithoutAWindowManager)
{
    const auto w = make();
    w->show();
    w->move(100, 100);
    QWidget& graph = w->graDU();
    mouse(graph, QEvent::MouseButtonPress, {110, 110}, Qt::LeftButton, Qt::LeftButton);
    mouse(graph, QEvent::MouseMove, {110, 110}, Qt::NoButton, Qt::LeftButton);
    mouse(graph, QEvent::MouseMove, {150, 130}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(w->pos(), QPoint(140, 120));
    mouse(graph, QEvent::MouseButtonRelease, {150, 130}, Qt::LeftButton, Qt::NoButton);
    mouse(graph, QEvent::MouseMove, {170, 130}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->pos(), QPoint(140, 120)) << "the drag ends with the button";

    // Any button on the label resizes from the lower-right corner.
    QWidget& label = w->lblDisplay();
    mouse(label, QEvent::MouseButtonPress, {200, 200}, Qt::RightButton, Qt::RightButton);
    mouse(label, QEvent::MouseMove, {230, 190}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(w->geometry(), QRect(140, 120, 159, 72));
    mouse(label, QEvent::MouseButtonRelease, {230, 190}, Qt::RightButton, Qt::NoButton);
}

} // namespace
} // namespace tarnivel
