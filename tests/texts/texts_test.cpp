// Every text the user sees, as the program's description gives it, looked up where it belongs
// in the real windows. A misspelt, moved or missing text fails here with its place named.
#include "graph/scroll_graph.h"
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_dialog.h"
#include "ui/wizard/wizard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>

#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace tarnivel {
namespace {

struct Text {
    const char* window;
    const char* place; // a control's name (a list's or tab bar's entries joined by '|'), "label"
                       // for an unnamed caption, "caption", "menu", "tooltip", or "message <title>"
    const char* text;
    const char* changedBecause = nullptr; // set where we deliberately show something else
};

const Text kTexts[] = {
    // The first-run wizard.
    {"wizard", "caption", "Welcome..."},
    {"wizard", "lblWelcome",
     "Welcome to Tarnivel!\n\nTHIS SOFTWARE IS PROVIDED 'AS IS', WITHOUT WARRANTY OF ANY KIND, "
     "EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS "
     "FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHOR BE LIABLE FOR "
     "ANY CLAIM, DAMAGES OR OTHER LIABILITY,WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, "
     "ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE "
     "SOFTWARE."},
    {"wizard", "optAgree0", "I agree"},
    {"wizard", "optAgree1", "I do not agree"},
    {"wizard", "lblThankYouWare",
     "Tarnivel is 'thank-you-ware'. If you like it, email the author to say thanks."},
    {"wizard", "lblBlah",
     "You need to tell Tarnivel what type of Internet connection you have, so that the graph "
     "will be displayed to the correct scale.\n\nYou can change this later by clicking the right "
     "mouse button over the display and choosing 'Settings...' from the menu."},
    {"wizard", "Label2", "Connection Type:"},
    {"wizard", "cmdConnectionType",
     "Don't know|14.4k Modem|28.8k Modem|56k Modem|128k ISDN|512k ADSL|"
     "1Mb ADSL|2Mb ADSL|4Mb ADSL|T1|T3|Other"},
    {"wizard", "lblOther", "bytes/sec"},
    {"wizard", "cmdBack", "<< Back"},
    {"wizard", "cmdNext", "Next >>"},
    {"wizard", "cmdNext", "Finish"},
    {"wizard", "message :o(",
     "You must indicate that you agree to the terms displayed before using this software\n"
     "Do you wish to continue?"},
    {"wizard", "message Tarnivel",
     "Please choose a connection type from the list. If you are not sure what type of "
     "connection you have, choose 'Dont know'"},
    {"wizard", "message Tarnivel",
     "Please specify a connection speed between 1 and 9999999, in the box marked "
     "'bytes/second'"},
    {"wizard", "message Tarnivel",
     "You have indicated that you are not sure what type of internet connection you have. "
     "Tarnivel will choose a value for you, however it may not be correct. If you do not see a "
     "reasonable graph displayed then you should alter the 'Vertical Scale' value on the "
     "'Settings' screen. Access the Settings screen by right-clicking over the Tarnivel window"},

    // The meter window, its tray icon and its context menu.
    {"meter", "caption", "Form1"},
    {"meter", "lblDisplay", ""},
    {"meter", "lblDisplay", "DL: 1.5 UL: 0.0"},
    {"meter", "tooltip", "Tarnivel"},
    {"meter", "tooltip", "Tarnivel: DL: 1.5 UL: 0.0"},
    {"meter", "menu", "Float"},
    {"meter", "menu", "Send To Tray"},
    {"meter", "menu", "Settings..."},
    {"meter", "menu", "Exit"},

    // The settings dialog.
    {"settings", "caption", "Settings"},
    {"settings", "TabStrip1", "Options|Colours|Statistics|About"},
    {"settings", "cmdOK", "OK"},
    {"settings", "cmdCancel", "Cancel"},
    {"settings", "label", "Vertical Scale:"},
    {"settings", "label", "bytes/sec"},
    {"settings", "label", "Transparency:"},
    {"settings", "cmbTrans", "Opaque|10%|20%|30%|40%|50%|60%|70%|80%|90%"},
#ifdef Q_OS_WIN
    {"settings", "chkStartup", "Start automatically when Windows starts"},
#else
    {"settings", "chkStartup", "Start automatically when I log in",
     "on Linux the box starts the program with the desktop session, not with Windows; the "
     "Windows build keeps \"Start automatically when Windows starts\""},
#endif
    {"settings", "label", "Incoming:"},
    {"settings", "label", "Overlap:"},
    {"settings", "label", "Outgoing:"},
    {"settings", "label", "Background:"},
    {"settings", "cmdInColour", "..."},
    {"settings", "Command3", "..."},
    {"settings", "Command1", "..."},
    {"settings", "Command2", "..."},
    {"settings", "label", "Downloaded:"},
    {"settings", "label", "Uploaded:"},
    {"settings", "lblDLTotal", "1.50 kb"},
    {"settings", "lblULTotal", "0.00 bytes"},
    {"settings", "lblAbout",
     "Tarnivel is 'thank-you-ware'. If you like it, email the author to say thanks."},
    {"settings", "lblVersion", "Version " TARNIVEL_VERSION},
    {"settings", "message Ooops!",
     "There was a problem with the value you chose:\nYou did not enter a numeric value!"},
    {"settings", "message Ooops!",
     "There was a problem with the value you chose:\nPlease enter a value between 1 and 9999999"},
};

using Shown = std::multimap<QString, QString>; // place -> text, for every state visited

// The window's caption and every named control's text (each list entry on its own).
void collect(QWidget& window, Shown& shown)
{
    shown.emplace(QStringLiteral("caption"), window.windowTitle());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            name = QStringLiteral("label"); // an unnamed caption
        QStringList entries;
        if (auto* tabs = qobject_cast<QTabWidget*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                entries << tabs->tabText(i);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
        else if (const QVariant text = control->property("text");
                 text.typeId() == QMetaType::QString &&
                 (name != "label" || qobject_cast<QLabel*>(control)))
            entries << text.toString();
        if (!entries.isEmpty())
            shown.emplace(name, entries.join(QLatin1Char('|')));
    }
}

// The message seam: answers Yes where it may, else OK, and keeps every message shown.
MessageBoxShow recordInto(Shown& shown)
{
    return [&shown](QWidget*, const MessageRequest& m) {
        shown.emplace(QStringLiteral("message ") + m.title, m.text);
        return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    };
}

struct Counters final : CounterSource {
    std::uint64_t received = 0;
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        rows = {{"eth0", received, 0}};
        return true;
    }
    unsigned counterBits() const override { return 64; }
};

// Every page and every message: no agreement, then each page, then each refusal of page 3.
void wizardTexts(Shown& shown)
{
    MemorySettings settings;
    frmWizard wizard({settings, recordInto(shown), [] {
                      }});
    collect(wizard, shown);
    wizard.cmdNext_Click();
    wizard.findChild<QAbstractButton*>(QStringLiteral("optAgree0"))->click();
    wizard.cmdNext_Click();
    wizard.cmdNext_Click();
    collect(wizard, shown);
    auto* list = wizard.findChild<QComboBox*>(QStringLiteral("cmdConnectionType"));
    for (const int index : {-1, 11, 0}) {
        list->setCurrentIndex(index);
        wizard.cmdNext_Click();
    }
}

// The meter before and after a tick with traffic, its tray tooltip and its menu.
void meterTexts(Shown& shown)
{
    MemorySettings settings;
    Counters counters;
    auto now = std::chrono::steady_clock::time_point{};
    frmMain meter({settings, counters, [&] { return now; }, [] { return true; }, [] {}, {}});
    collect(meter, shown);
    for (int tick = 0; tick < 3; ++tick) {
        shown.emplace(QStringLiteral("lblDisplay"), meter.lblDisplay().text());
        shown.emplace(QStringLiteral("tooltip"), meter.tray().trayIcon().toolTip());
        counters.received += 1536;
        now += std::chrono::seconds(1);
        meter.Timer1_Timer();
    }
    const std::unique_ptr<QMenu> menu = meter.tray().buildPopupMenu();
    for (const QAction* item : menu->actions())
        shown.emplace(QStringLiteral("menu"), item->text());
    meter.Form_Unload();
}

// The settings dialog with totals on its Statistics page and both of its messages.
void settingsTexts(Shown& shown)
{
    ctlScrollGraph2 graph;
    frmSettings dialog(
        {graph, [] { return std::uint8_t{255}; }, [](std::uint8_t) {}, recordInto(shown), {}});
    dialog.ShowDialog();
    dialog.NewTotals(1536, 0);
    collect(dialog, shown);
    for (const char* scale : {"", "0"}) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtMaxValue"))->setText(QLatin1String(scale));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    }
    dialog.reject();
}

TEST(Texts, EveryTextStandsWhereItBelongs)
{
    std::map<std::string, Shown> windows;
    wizardTexts(windows["wizard"]);
    meterTexts(windows["meter"]);
    settingsTexts(windows["settings"]);
    for (const Text& t : kTexts) {
        const auto [first, last] = windows.at(t.window).equal_range(QString::fromUtf8(t.place));
        QStringList there;
        for (auto it = first; it != last; ++it)
            there << it->second;
        EXPECT_TRUE(there.contains(QString::fromUtf8(t.text)))
            << t.window << " / " << t.place << ": expected \"" << t.text << "\", shown there: \""
            << there.join(QStringLiteral("\", \"")).toStdString() << '"'
            << (t.changedBecause ? std::string(" (changed: ") + t.changedBecause + ")" : "");
    }
}

} // namespace
} // namespace tarnivel
