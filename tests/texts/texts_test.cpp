// Every text the user sees, as the program's description gives it, looked up where it belongs
// in the real windows. A misspelt, moved or missing text fails here with its place named.
#include "tests/support/memory_settings.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_dialog.h"
#include "ui/wizard/wizard.h"

#include <QAbstractButton>
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
    const char* place; // a control's name, "name[i]" for a list entry or a tab, "label" for an
                       // unnamed caption, "caption", "menu", "tooltip", or "message <title>"
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
    {"wizard", "cmdConnectionType[0]", "Don't know"},
    {"wizard", "cmdConnectionType[1]", "14.4k Modem"},
    {"wizard", "cmdConnectionType[2]", "28.8k Modem"},
    {"wizard", "cmdConnectionType[3]", "56k Modem"},
    {"wizard", "cmdConnectionType[4]", "128k ISDN"},
    {"wizard", "cmdConnectionType[5]", "512k ADSL"},
    {"wizard", "cmdConnectionType[6]", "1Mb ADSL"},
    {"wizard", "cmdConnectionType[7]", "2Mb ADSL"},
    {"wizard", "cmdConnectionType[8]", "4Mb ADSL"},
    {"wizard", "cmdConnectionType[9]", "T1"},
    {"wizard", "cmdConnectionType[10]", "T3"},
    {"wizard", "cmdConnectionType[11]", "Other"},
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
    {"settings", "TabStrip1[0]", "Options"},
    {"settings", "TabStrip1[1]", "Colours"},
    {"settings", "TabStrip1[2]", "Statistics"},
    {"settings", "TabStrip1[3]", "About"},
    {"settings", "cmdOK", "OK"},
    {"settings", "cmdCancel", "Cancel"},
    {"settings", "label", "Vertical Scale:"},
    {"settings", "label", "bytes/sec"},
    {"settings", "label", "Transparency:"},
    {"settings", "cmbTrans[0]", "Opaque"},
    {"settings", "cmbTrans[1]", "10%"},
    {"settings", "cmbTrans[2]", "20%"},
    {"settings", "cmbTrans[3]", "30%"},
    {"settings", "cmbTrans[4]", "40%"},
    {"settings", "cmbTrans[5]", "50%"},
    {"settings", "cmbTrans[6]", "60%"},
    {"settings", "cmbTrans[7]", "70%"},
    {"settings", "cmbTrans[8]", "80%"},
    {"settings", "cmbTrans[9]", "90%"},
    {"settings", "chkStartup", "Start automatically when I log in",
     "on Linux the box starts the program with the desktop session, not with Windows; the "
     "Windows build keeps \"Start automatically when Windows starts\""},
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
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            if (auto* label = qobject_cast<QLabel*>(control))
                shown.emplace(QStringLiteral("label"), label->text());
            continue;
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
            for (int i = 0; i < tabs->count(); ++i)
                shown.emplace(QStringLiteral("%1[%2]").arg(name).arg(i), tabs->tabText(i));
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            for (int i = 0; i < list->count(); ++i)
                shown.emplace(QStringLiteral("%1[%2]").arg(name).arg(i), list->itemText(i));
        } else if (const QVariant text = control->property("text");
                   text.typeId() == QMetaType::QString) {
            shown.emplace(name, text.toString());
        }
    }
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

Shown wizardTexts()
{
    Shown shown;
    MemorySettings settings;
    std::vector<MessageRequest> messages;
    frmWizard wizard({settings,
                      [&](QWidget*, const MessageRequest& m) {
                          messages.push_back(m);
                          return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes
                                                                      : QMessageBox::Ok;
                      },
                      [] {
                      }});
    // Every page and every message: no agreement, then each page, then each refusal of page 3.
    collect(wizard, shown);
    wizard.cmdNext_Click();
    wizard.findChild<QAbstractButton*>(QStringLiteral("optAgree0"))->click();
    wizard.cmdNext_Click();
    wizard.cmdNext_Click();
    collect(wizard, shown);
    auto* list = wizard.findChild<QComboBox*>(QStringLiteral("cmdConnectionType"));
    list->setCurrentIndex(-1);
    wizard.cmdNext_Click();
    list->setCurrentIndex(11);
    wizard.cmdNext_Click();
    list->setCurrentIndex(0);
    wizard.cmdNext_Click();
    for (const MessageRequest& m : messages)
        shown.emplace(QStringLiteral("message ") + m.title, m.text);
    return shown;
}

Shown meterTexts()
{
    Shown shown;
    MemorySettings settings;
    Counters counters;
    auto now = std::chrono::steady_clock::time_point{};
    frmMain meter({settings, counters, [&] { return now; }, [] { return true; }, [] {}, {}});
    collect(meter, shown);
    shown.emplace(QStringLiteral("lblDisplay"), meter.lblDisplay().text());
    shown.emplace(QStringLiteral("tooltip"), meter.trayIcon().toolTip());
    for (int tick = 0; tick < 2; ++tick) {
        counters.received += 1536;
        now += std::chrono::seconds(1);
        meter.Timer1_Timer();
    }
    shown.emplace(QStringLiteral("lblDisplay"), meter.lblDisplay().text());
    shown.emplace(QStringLiteral("tooltip"), meter.trayIcon().toolTip());
    const std::unique_ptr<QMenu> menu = meter.buildPopupMenu();
    for (const QAction* item : menu->actions())
        if (!item->isSeparator())
            shown.emplace(QStringLiteral("menu"), item->text());
    meter.Form_Unload();
    return shown;
}

// The settings dialog with totals on its Statistics page and both of its messages.
Shown settingsTexts()
{
    Shown shown;
    MemorySettings settings;
    Counters counters;
    frmMain meter(
        {settings, counters, std::chrono::steady_clock::now, [] { return true; }, [] {}, {}});
    std::vector<MessageRequest> messages;
    frmSettings dialog({meter.graDU(),
                        [] { return std::uint8_t{255}; },
                        [](std::uint8_t) {},
                        [&](QWidget*, const MessageRequest& m) {
                            messages.push_back(m);
                            return QMessageBox::Ok;
                        },
                        {}});
    dialog.ShowDialog();
    dialog.NewTotals(1536, 0);
    collect(dialog, shown);
    auto* scale = dialog.findChild<QLineEdit*>(QStringLiteral("txtMaxValue"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    for (const char* text : {"", "0"}) {
        scale->setText(QString::fromLatin1(text));
        ok->click();
    }
    for (const MessageRequest& m : messages)
        shown.emplace(QStringLiteral("message ") + m.title, m.text);
    dialog.reject();
    meter.Form_Unload();
    return shown;
}

TEST(Texts, EveryTextStandsWhereItBelongs)
{
    const std::map<std::string, Shown> windows{
        {"wizard", wizardTexts()}, {"meter", meterTexts()}, {"settings", settingsTexts()}};
    for (const Text& t : kTexts) {
        const Shown& shown = windows.at(t.window);
        const QString place = QString::fromUtf8(t.place);
        const auto [first, last] = shown.equal_range(place);
        bool found = false;
        QStringList there;
        for (auto it = first; it != last; ++it) {
            found = found || it->second == QString::fromUtf8(t.text);
            there << QLatin1Char('"') + it->second + QLatin1Char('"');
        }
        EXPECT_TRUE(found) << t.window << " / " << t.place << ": expected \"" << t.text
                           << "\", shown there: " << there.join(QStringLiteral(", ")).toStdString()
                           << (t.changedBecause
                                   ? std::string(" (changed: ") + t.changedBecause + ")"
                                   : std::string());
    }
}

} // namespace
} // namespace tarnivel
