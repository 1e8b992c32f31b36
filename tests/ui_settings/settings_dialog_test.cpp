// The settings dialog driven through its real widgets; message boxes and the colour picker
// answer through the dialog's seams, the autostart entry lands in a temporary XDG_CONFIG_HOME.
#include "graph/scroll_graph.h"
#include "tests/support/config_home.h"
#include "tests/support/layout_check.h"
#include "ui/settings/autostart.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarnivel {
namespace {

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        graph.resize(40, 30);
        graph.setMaxValue(100000);
        graph.setBackColour(0x808080);
        graph.DLThread().setColour(0x0000FF);
        graph.ULThread().setColour(0x00FF00);
        graph.setOverLapColour(0x00FFFF);
        dialog = std::make_unique<frmSettings>(SettingsDialogDeps{
            graph, [this] { return opacity; }, [this](std::uint8_t o) { opacity = o; },
            [this](QWidget*, const MessageRequest& request) {
                messages.push_back(request);
                return QMessageBox::Ok;
            },
            [this](QWidget*, ColourRef current) {
                presets.push_back(current);
                const std::optional<ColourRef> answer = answers.front();
                answers.pop_front();
                return answer;
            }});
        QObject::connect(dialog.get(), &frmSettings::Unloaded, [this] { ++unloaded; });
    }

    template <typename T = QWidget> T& find(const char* name)
    {
        return *dialog->findChild<T*>(QString::fromLatin1(name)); // a missing one crashes here
    }
    void click(const char* button)
    {
        QTest::mouseClick(&find<QPushButton>(button), Qt::LeftButton);
    }
    QRgb sample(const char* line) { return find(line).palette().color(QPalette::Window).rgb(); }
    QComboBox& transparency() { return find<QComboBox>("cmbTrans"); }
    QLineEdit& scale() { return find<QLineEdit>("txtMaxValue"); }
    QTabWidget& tabs() { return find<QTabWidget>("TabStrip1"); }
    void choose(const char* entry) { transparency().setCurrentText(QString::fromLatin1(entry)); }

    ConfigHome m_config;
    ctlScrollGraph2 graph;
    std::uint8_t opacity = 255;
    std::vector<MessageRequest> messages;
    std::deque<std::optional<ColourRef>> answers;
    std::vector<ColourRef> presets;
    int unloaded = 0;
    std::unique_ptr<frmSettings> dialog;
};

// Every showing loads the live values, a second one while open only brings the dialog forward,
// and every close but OK applies nothing: Cancel, Enter on a focused Cancel (on a focused "..." it
// asks for a colour), Esc, the close box.
// Each close raises Unloaded once, closing a closed dialog none.
TEST_F(SettingsDialogTest, ShowingLoadsTheLiveValuesAndEveryCloseButOkAppliesNothing)
{
    const std::function<void()> closers[] = {
        [this] { click("cmdCancel"); },
        [this] {
            tabs().setCurrentIndex(1);
            find<QPushButton>("cmdInColour").setFocus();
            QTest::keyClick(&find<QPushButton>("cmdInColour"), Qt::Key_Return);
            EXPECT_TRUE(dialog->isLoaded()) << "the colour asked for, the dialog still open";
            find<QPushButton>("cmdCancel").setFocus();
            QTest::keyClick(&find<QPushButton>("cmdCancel"), Qt::Key_Enter);
        },
        [this] { QTest::keyClick(dialog.get(), Qt::Key_Escape); },
        [this] {
            dialog->close();
        }};
    const std::pair<std::uint8_t, const char*> opacities[] = {
        {255, "Opaque"}, {128, "50%"}, {26, "90%"}, {5, "90%"}};
    for (int i = 0; i < 4; ++i) {
        opacity = opacities[i].first;
        dialog->ShowDialog();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_EQ(transparency().currentText(), opacities[i].second) << i;
        EXPECT_EQ(scale().text(), "100000");
        EXPECT_EQ(tabs().currentIndex(), 0);
        EXPECT_EQ(find<QLabel>("lblDLTotal").text(), ""); // totals come with the next tick
        dialog->NewTotals(1536, 0);
        tabs().setCurrentIndex(2);
        scale().setText(QStringLiteral("5"));
        choose("10%");
        answers = {0x000000, std::nullopt};
        click("cmdInColour");
        dialog->ShowDialog();
        EXPECT_EQ(scale().text(), "5");
        closers[i]();
        EXPECT_EQ(unloaded, i + 1);
        EXPECT_FALSE(dialog->isLoaded());
        dialog->close();
        EXPECT_EQ(unloaded, i + 1);
        EXPECT_EQ(graph.MaxValue(), 100000.0f);
        EXPECT_EQ(graph.DLThread().Colour(), 0x0000FF);
        EXPECT_EQ(opacity, opacities[i].first);
    }
    EXPECT_EQ(presets.size(), 5u);
}

// OK applies transparency, scale, autostart and the picked colours; the overlap sample shows
// the or of incoming and outgoing until the overlap colour is picked. Enter where no button has
// the focus presses OK.
TEST_F(SettingsDialogTest, OkAppliesEverythingAlsoOnEnter)
{
    graph.show();
    dialog->ShowDialog();
    EXPECT_EQ(sample("linInColour"), 0xFFFF0000); // Colour 0x0000FF is red
    EXPECT_EQ(sample("linOverLap"), 0xFFFFFF00);
    EXPECT_FALSE(find<QCheckBox>("chkStartup").isChecked());
    choose("30%");
    scale().setText(QStringLiteral("9999999"));
    find<QCheckBox>("chkStartup").setChecked(true);
    answers = {0x800000, 0x000080, std::nullopt}; // the background's picker cancelled
    click("cmdInColour");
    click("Command1");
    click("Command2");
    EXPECT_EQ(presets, (std::vector<ColourRef>{0x0000FF, 0x00FF00, 0x808080}));
    EXPECT_EQ(sample("linOutColour"), 0xFF800000);
    EXPECT_EQ(sample("linOverLap"), 0xFF800080);
    EXPECT_EQ(sample("linBackColour"), 0xFF808080);
    click("cmdOK");
    EXPECT_EQ(opacity, 178);
    EXPECT_EQ(graph.MaxValue(), 9999999.0f);
    EXPECT_TRUE(IsInRunKey("Tarnivel"));
    EXPECT_EQ(std::tuple(graph.DLThread().Colour(), graph.ULThread().Colour(),
                         graph.OverLapColour(), graph.BackColour()),
              std::tuple(0x800000, 0x000080, 0x00FFFF, 0x808080));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(unloaded, 1);
    EXPECT_TRUE(messages.empty());

    dialog->ShowDialog();
    QApplication::setActiveWindow(dialog.get());
    EXPECT_EQ(transparency().currentText(), "30%");
    EXPECT_EQ(scale().text(), "9999999");
    EXPECT_TRUE(find<QCheckBox>("chkStartup").isChecked());
    find<QCheckBox>("chkStartup").setChecked(false);
    answers = {0x123456, 0x00FF00};
    click("Command3");
    click("Command2");
    EXPECT_EQ(sample("linOverLap"), 0xFF563412);
    scale().setFocus();
    QTest::keyClick(&scale(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isLoaded());
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
    EXPECT_EQ(graph.OverLapColour(), 0x123456);
    EXPECT_EQ(graph.image().pixel(0, 0), 0xFF00FF00); // drawn anew
}

// A refused scale warns and keeps the dialog open on the Options page with the focus in the box;
// OK has applied nothing but transparency and autostart.
TEST_F(SettingsDialogTest, ARefusedScaleKeepsOpacityAndAutostartButNotScaleOrColours)
{
    const std::tuple<const char*, int, const char*> rows[] = {
        {"", 0, "You did not enter a numeric value!"},
        {"0", 1, "Please enter a value between 1 and 9999999"},
        {"10000000", 3, "Please enter a value between 1 and 9999999"}};
    for (const auto& [text, tab, problem] : rows) {
        dialog->ShowDialog();
        choose("70%");
        find<QCheckBox>("chkStartup").setChecked(true);
        answers = {0x000000};
        click("cmdInColour");
        scale().setText(QString::fromLatin1(text));
        tabs().setCurrentIndex(tab);
        messages.clear();
        click("cmdOK");
        ASSERT_EQ(messages.size(), 1u) << text; // its title and texts: tests/texts
        EXPECT_TRUE(messages[0].text.endsWith(QLatin1String(problem)));
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(tabs().currentIndex(), 0) << "from tab " << tab;
        EXPECT_EQ(dialog->focusWidget(), &scale());
    }
    EXPECT_EQ(
        std::tuple(opacity, IsInRunKey("Tarnivel"), graph.MaxValue(), graph.DLThread().Colour()),
        std::tuple(76, true, 100000.0f, 0x0000FF));
    EXPECT_EQ(unloaded, 0);
}

// The scale box takes digits only, seven at most (its validator holds for pasted text too); nothing
// is cut off or overlapping on any page at the default font (the widest totals shown).
TEST_F(SettingsDialogTest, ScaleBoxTakesSevenDigitsAndEveryPageShowsItsControlsWhole)
{
    dialog->ShowDialog();
    scale().clear();
    QTest::keyClicks(&scale(), QStringLiteral("1a2-3 .e4"));
    QTest::keyClick(&scale(), Qt::Key_Backspace);
    QTest::keyClicks(&scale(), QStringLiteral("45678"));
    EXPECT_EQ(scale().text(), "1234567") << "Backspace, then an eighth digit";

    dialog->NewTotals(1073741823.0, 1073741823.0); // "1024.00 Mb"
    for (int tab = 0; tab < tabs().count(); ++tab) {
        tabs().setCurrentIndex(tab);
        QApplication::processEvents();
        SCOPED_TRACE(tab);
        expectControlsWhole(*tabs().currentWidget());
    }
}

} // namespace
} // namespace tarnivel
