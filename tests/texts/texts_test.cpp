// Every text the user sees, looked up in the real windows as "place=text": the place is a
// control's name ("label" for an unnamed caption; a list's or tab bar's entries joined by '|'),
// "caption", "menu", "tooltip", or a message's title. A misspelt, moved or missing text fails here.
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
#include <memory>
#include <span>

namespace tarnivel {
namespace {

// On Linux the box starts the program with the desktop session.
#ifdef Q_OS_WIN
#define kStartup "chkStartup=Start automatically when Windows starts"
#else
#define kStartup "chkStartup=Start automatically when I log in"
#endif

// clang-format off
const char* const kWizard[] = {"caption=Welcome...",
    "lblWelcome=Welcome to Tarnivel!\n\nTHIS SOFTWARE IS PROVIDED 'AS IS', WITHOUT WARRANTY OF "
    "ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, "
    "FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHOR BE "
    "LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY,WHETHER IN AN ACTION OF CONTRACT, TORT OR "
    "OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER "
    "DEALINGS IN THE SOFTWARE.",
    "optAgree0=I agree", "optAgree1=I do not agree", "Label2=Connection Type:",
    "lblOther=bytes/sec",
    "lblThankYouWare=Tarnivel is 'thank-you-ware'. If you like it, email the author to say "
    "thanks.",
    "lblBlah=You need to tell Tarnivel what type of Internet connection you have, so that the "
    "graph will be displayed to the correct scale.\n\nYou can change this later by clicking the "
    "right mouse button over the display and choosing 'Settings...' from the menu.",
    "cmdConnectionType=Don't know|14.4k Modem|28.8k Modem|56k Modem|128k ISDN|512k ADSL|1Mb ADSL|"
    "2Mb ADSL|4Mb ADSL|T1|T3|Other",
    "cmdBack=<< Back", "cmdNext=Next >>", "cmdNext=Finish", "HyperLink2=Tarnivel user guide",
    ":o(=You must indicate that you agree to the terms displayed before using this software\n"
    "Do you wish to continue?",
    "Tarnivel=Please choose a connection type from the list. If you are not sure what type of "
    "connection you have, choose 'Dont know'",
    "Tarnivel=Please specify a connection speed between 1 and 9999999, in the box marked "
    "'bytes/second'",
    "Tarnivel=You have indicated that you are not sure what type of internet connection you have. "
    "Tarnivel will choose a value for you, however it may not be correct. If you do not see a "
    "reasonable graph displayed then you should alter the 'Vertical Scale' value on the "
    "'Settings' screen. Access the Settings screen by right-clicking over the Tarnivel window"};

const char* const kMeter[] = {"caption=Form1", "lblDisplay=", "lblDisplay=DL: 1.5 UL: 0.0",
    "tooltip=Tarnivel", "tooltip=Tarnivel: DL: 1.5 UL: 0.0", "menu=Float", "menu=Send To Tray",
    "menu=Settings...", "menu=Exit"};

const char* const kSettings[] = {"caption=Settings", "TabStrip1=Options|Colours|Statistics|About",
    "cmdOK=OK", "cmdCancel=Cancel", "label=Vertical Scale:", "label=bytes/sec",
    "label=Transparency:", "cmbTrans=Opaque|10%|20%|30%|40%|50%|60%|70%|80%|90%",
    kStartup, "label=Incoming:", "label=Overlap:",
    "label=Outgoing:", "label=Background:", "cmdInColour=...", "Command3=...", "Command1=...",
    "Command2=...", "label=Downloaded:", "label=Uploaded:", "lblDLTotal=1.50 kb",
    "lblULTotal=0.00 bytes", "lblVersion=Version " TARNIVEL_VERSION,
    "HyperLink3=Tarnivel user guide",
    "lblAbout=Tarnivel is 'thank-you-ware'. If you like it, email the author to say thanks.",
    "Ooops!=There was a problem with the value you chose:\nYou did not enter a numeric value!",
    "Ooops!=There was a problem with the value you chose:\nPlease enter a value between 1 and "
    "9999999"};
// clang-format on

// The window's caption and the texts of its named controls, labels and buttons.
void collect(QWidget& window, QStringList& shown)
{
    shown << QStringLiteral("caption=") + window.windowTitle();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QStringList entries;
        if (auto* tabs = qobject_cast<QTabWidget*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                entries << tabs->tabText(i);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
        else if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control))
            entries << control->property("text").toString();
        const QString name = control->objectName();
        if (!entries.isEmpty())
            shown << (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ? "label" : name) +
                         '=' + entries.join(QLatin1Char('|'));
    }
}

// The message seam: answers Yes where it may, else OK, and keeps every message shown.
MessageBoxShow recordInto(QStringList& shown)
{
    return [&shown](QWidget*, const MessageRequest& m) {
        shown << m.title + '=' + m.text;
        return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    };
}

// Every page and every message: no agreement, then each page, then each refusal of page 3.
QStringList wizardTexts()
{
    QStringList shown;
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
    return shown;
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

// The meter before and after a tick with traffic, its tray tooltip and its menu.
QStringList meterTexts()
{
    QStringList shown;
    MemorySettings settings;
    Counters counters;
    auto now = std::chrono::steady_clock::time_point{};
    frmMain meter({settings, counters, [&] { return now; }, [] { return true; }, [] {}, {}});
    collect(meter, shown);
    for (int tick = 0; tick < 3; ++tick) {
        shown << "lblDisplay=" + meter.lblDisplay().text()
              << "tooltip=" + meter.tray().trayIcon().toolTip();
        counters.received += 1536;
        now += std::chrono::seconds(1);
        meter.Timer1_Timer();
    }
    const std::unique_ptr<QMenu> menu = meter.tray().buildPopupMenu();
    for (const QAction* item : menu->actions())
        shown << "menu=" + item->text();
    meter.Form_Unload();
    return shown;
}

// The settings dialog with totals on its Statistics page and both of its messages.
QStringList settingsTexts()
{
    QStringList shown;
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
    return shown;
}

TEST(Texts, EveryTextStandsWhereItBelongs)
{
    const std::pair<QStringList, std::span<const char* const>> windows[] = {
        {wizardTexts(), kWizard}, {meterTexts(), kMeter}, {settingsTexts(), kSettings}};
    for (const auto& [shown, texts] : windows)
        for (const QString text : texts) {
            const QString place = text.left(text.indexOf(QLatin1Char('=')) + 1);
            EXPECT_TRUE(shown.contains(text))
                << text.toStdString() << "\nshown there: "
                << shown.filter(place).join(QStringLiteral(" | ")).toStdString();
        }
}

} // namespace
} // namespace tarnivel
