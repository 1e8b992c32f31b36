// The settings dialog driven through its real widgets; message boxes and the colour picker
// answer through the dialog's seams, the autostart entry lands in a temporary XDG_CONFIG_HOME.
#include "graph/scroll_graph.h"
#include "tests/support/config_home.h"
#include "tests/support/layout_check.h"
#include "ui/settings/autostart.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
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

TEST_F(SettingsDialogTest, EveryShowingLoadsTheLiveValuesAndCancelAppliesNothing)
{
    for (const auto& [live, entry] : {std::pair<std::uint8_t, const char*>{255, "Opaque"},
                                      {128, "50%"},
                                      {26, "90%"},
                                      {5, "90%"}}) {
        opacity = live;
        dialog->ShowDialog();
        EXPECT_EQ(transparency().currentText(), entry) << int(live);
        EXPECT_EQ(scale().text(), "100000");
        EXPECT_EQ(tabs().currentIndex(), 0);
        EXPECT_EQ(find<QLabel>("lblDLTotal").text(), ""); // totals come with the next tick
        dialog->NewTotals(1536, 0);
        tabs().setCurrentIndex(2);
        scale().setText(QStringLiteral("5"));
        choose("10%");
        click("cmdCancel");
        EXPECT_EQ(graph.MaxValue(), 100000.0f);
        EXPECT_EQ(opacity, live);
    }
    EXPECT_EQ(sample("linInColour"), 0xFFFF0000); // Colour 0x0000FF is red
    EXPECT_EQ(sample("linOverLap"), 0xFFFFFF00);
}

TEST_F(SettingsDialogTest, OkAppliesTransparencyScaleAndAutostart)
{
    dialog->ShowDialog();
    EXPECT_FALSE(find<QCheckBox>("chkStartup").isChecked());
    choose("30%");
    scale().setText(QStringLiteral("9999999"));
    find<QCheckBox>("chkStartup").setChecked(true);
    click("cmdOK");
    EXPECT_EQ(opacity, 178);
    EXPECT_EQ(graph.MaxValue(), 9999999.0f);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.empty());
    QFile entry(m_config.filePath(QStringLiteral("autostart/Tarnivel.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains(
        "\nExec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\"\n"));

    dialog->ShowDialog();
    EXPECT_EQ(transparency().currentText(), "30%");
    EXPECT_EQ(scale().text(), "9999999");
    EXPECT_TRUE(find<QCheckBox>("chkStartup").isChecked());
    find<QCheckBox>("chkStartup").setChecked(false);
    QTest::keyClick(&scale(), Qt::Key_Return); // OK is the default
    EXPECT_FALSE(entry.exists());
}

TEST_F(SettingsDialogTest, ARefusedScaleKeepsOpacityAndAutostartButNotScaleOrColours)
{
    const struct {
        const char* text;
        int tab;
        const char* problem;
    } rows[] = {{"", 0, "You did not enter a numeric value!"},
                {"0", 1, "Please enter a value between 1 and 9999999"},
                {"10000000", 3, "Please enter a value between 1 and 9999999"}};
    for (const auto& r : rows) {
        opacity = 255;
        dialog->ShowDialog();
        choose("70%");
        find<QCheckBox>("chkStartup").setChecked(true);
        answers = {0x000000};
        click("cmdInColour");
        scale().setText(QString::fromLatin1(r.text));
        tabs().setCurrentIndex(r.tab);
        messages.clear();
        click("cmdOK");
        ASSERT_EQ(messages.size(), 1u) << r.text; // its title and texts: tests/texts
        EXPECT_TRUE(messages[0].text.endsWith(QLatin1String(r.problem)));
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(opacity, 76);
        EXPECT_TRUE(IsInRunKey("Tarnivel"));
        EXPECT_EQ(graph.MaxValue(), 100000.0f);
        EXPECT_EQ(graph.DLThread().Colour(), 0x0000FF);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(tabs().currentIndex(), 0) << "from tab " << r.tab;
        EXPECT_EQ(dialog->focusWidget(), &scale());
    }
    EXPECT_EQ(unloaded, 0);
    // Showing it while open only brings it forward: the typed text stays.
    dialog->ShowDialog();
    EXPECT_EQ(scale().text(), "10000000");
}

TEST_F(SettingsDialogTest, PickedColoursAndTheOverlapSample)
{
    graph.show();
    dialog->ShowDialog();
    // Incoming, outgoing and a cancelled background: the overlap sample shows the or of the
    // two, the graph's overlap colour stays.
    answers = {0x800000, 0x000080, std::nullopt};
    click("cmdInColour");
    click("Command1");
    click("Command2");
    EXPECT_EQ(presets, (std::vector<ColourRef>{0x0000FF, 0x00FF00, 0x808080}));
    EXPECT_EQ(sample("linOutColour"), 0xFF800000);
    EXPECT_EQ(sample("linOverLap"), 0xFF800080);
    EXPECT_EQ(sample("linBackColour"), 0xFF808080);
    click("cmdOK");
    EXPECT_EQ(graph.DLThread().Colour(), 0x800000);
    EXPECT_EQ(graph.ULThread().Colour(), 0x000080);
    EXPECT_EQ(graph.OverLapColour(), 0x00FFFF);
    EXPECT_EQ(graph.BackColour(), 0x808080);

    // The overlap and background buttons change those colours; the graph is drawn anew.
    dialog->ShowDialog();
    answers = {0x123456, 0x00FF00};
    click("Command3");
    click("Command2");
    EXPECT_EQ(sample("linOverLap"), 0xFF563412);
    click("cmdOK");
    EXPECT_EQ(graph.OverLapColour(), 0x123456);
    EXPECT_EQ(graph.image().pixel(0, 0), 0xFF00FF00);
}

TEST_F(SettingsDialogTest, UnloadedOnceOnEveryWayOfClosing)
{
    const std::function<void()> closers[] = {
        [this] { click("cmdOK"); }, [this] { click("cmdCancel"); },
        [this] { QTest::keyClick(dialog.get(), Qt::Key_Escape); },
        [this] {
            dialog->close();
        }};
    int expected = 0;
    for (const auto& closeIt : closers) {
        dialog->ShowDialog();
        dialog->ShowDialog(); // a second showing while open is the same loading
        closeIt();
        EXPECT_EQ(unloaded, ++expected);
        EXPECT_FALSE(dialog->isLoaded());
        dialog->close(); // closing a closed dialog raises nothing
        EXPECT_EQ(unloaded, expected);
    }
}

// Enter presses the focused button ("..." asks for a colour and keeps the dialog open, Cancel
// drops the changes) and OK wherever no button has the focus.
TEST_F(SettingsDialogTest, EnterPressesTheFocusedButtonElseOk)
{
    dialog->ShowDialog();
    QApplication::setActiveWindow(dialog.get());
    scale().setText(QStringLiteral("5000"));
    tabs().setCurrentIndex(1);
    auto& colour = find<QPushButton>("cmdInColour");
    colour.setFocus();
    answers = {std::nullopt};
    QTest::keyClick(&colour, Qt::Key_Return);
    EXPECT_EQ(presets.size(), 1u);
    EXPECT_TRUE(dialog->isLoaded());
    find<QPushButton>("cmdCancel").setFocus();
    QTest::keyClick(&find<QPushButton>("cmdCancel"), Qt::Key_Enter);
    EXPECT_FALSE(dialog->isLoaded());
    EXPECT_EQ(graph.MaxValue(), 100000);

    dialog->ShowDialog();
    scale().setText(QStringLiteral("5000"));
    QTest::keyClick(&scale(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isLoaded());
    EXPECT_EQ(graph.MaxValue(), 5000);
}

TEST_F(SettingsDialogTest, ScaleBoxTakesDigitsOnlySevenAtMost)
{
    dialog->ShowDialog();
    scale().clear();
    QTest::keyClicks(&scale(), QStringLiteral("1a2-3 .e4"));
    EXPECT_EQ(scale().text(), "1234");
    QTest::keyClick(&scale(), Qt::Key_Backspace);
    QTest::keyClicks(&scale(), QStringLiteral("45678"));
    EXPECT_EQ(scale().text(), "1234567") << "Backspace, then an eighth digit";
    scale().clear();
    for (const char* pasted : {"12x", "4242", "99999"}) {
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        scale().paste();
    }
    EXPECT_EQ(scale().text(), "4242") << "digits paste, others and an eighth digit do not";
}

// Nothing cut off or overlapping on any page at the default font (the widest totals shown).
TEST_F(SettingsDialogTest, EveryPageShowsItsControlsWhole)
{
    dialog->ShowDialog();
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
