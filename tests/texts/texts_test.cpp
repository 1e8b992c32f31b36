// The texts built or placed at run time, looked up in the real windows as "place=text": the place
// is a control's name (a list's, tab bar's or menu's entries joined by '|'), "caption", "tooltip"
// or a message's title. The refused scale's message: tests/ui_settings.
#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_dialog.h"
#include "ui/wizard/wizard.h"

#include <QComboBox>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace tarnivel;

// The startup box names the platform's way of starting with the session.
#ifdef Q_OS_WIN
#define STARTUP_TEXT "Start automatically when Windows starts"
#else
#define STARTUP_TEXT "Start automatically when I log in"
#endif

struct NoTraffic final : CounterSource {
    bool readTable(std::vector<InterfaceCounters>& rows) override { return rows.clear(), true; }
    unsigned counterBits() const override { return 64; }
};

void collect(QWidget& window, QStringList& shown)
{
    shown << "caption=" + window.windowTitle();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QStringList entries;
        if (auto* tabs = qobject_cast<QTabWidget*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                entries << tabs->tabText(i);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
        else
            entries << control->property("text").toString();
        shown << control->objectName() + '=' + entries.join('|');
    }
}

// The wizard, the meter after its first tick (no rates yet: "Finish" and the rate label are the
// widget tests') with its menu, and the settings dialog with totals.
TEST(Texts, BuiltOrPlacedAtRunTime)
{
    QStringList shown;
    MemorySettings settings;
    frmWizard wizard({settings, {}, {}});
    collect(wizard, shown);

    NoTraffic counters;
    frmMain meter({settings, counters, std::chrono::steady_clock::now, {}, {}, {}});
    meter.Timer1_Timer();
    const std::unique_ptr<QMenu> menu = meter.tray().buildPopupMenu();
    QStringList items;
    for (const QAction* item : menu->actions())
        items << item->text();
    collect(meter, shown);
    shown << "menu=" + items.join('|') << "tooltip=" + meter.tray().trayIcon().toolTip();

    ctlScrollGraph2 graph;
    frmSettings dialog({graph, {}, {}, {}, {}});
    dialog.NewTotals(1536, 0);
    collect(dialog, shown);

    for (const QString text :
         {"caption=Welcome...", "HyperLink2=Tarnivel user guide",
          "cmdConnectionType=Don't know|14.4k Modem|28.8k Modem|56k Modem|128k ISDN|512k ADSL|"
          "1Mb ADSL|2Mb ADSL|4Mb ADSL|T1|T3|Other",
          "caption=Form1", "menu=Float|Send To Tray|Settings...||Exit",
          "tooltip=Tarnivel: ", "caption=Settings", "TabStrip1=Options|Colours|Statistics|About",
          "cmbTrans=Opaque|10%|20%|30%|40%|50%|60%|70%|80%|90%", "chkStartup=" STARTUP_TEXT,
          "lblDLTotal=1.50 kb", "lblULTotal=0.00 bytes", "lblVersion=Version " TARNIVEL_VERSION})
        EXPECT_TRUE(shown.contains(text))
            << text.toStdString() << "\nshown there: "
            << shown.filter(text.left(text.indexOf('=') + 1)).join(" | ").toStdString();
}
