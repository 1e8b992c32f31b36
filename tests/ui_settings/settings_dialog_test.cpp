// The settings dialog driven through its real widgets; message boxes and the colour picker
// answer through the dialog's seams, the autostart entry lands in a temporary XDG_CONFIG_HOME.
#include "graph/scroll_graph.h"
#include "tests/support/config_home.h"
#include "tests/support/picture_check.h"
#include "ui/settings/autostart.h"
#include "ui/settings/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarnivel;

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graph.setMaxValue(100000);
        graph.setBackColour(0x808080);
        graph.DLThread().setColour(0x0000FF);
        graph.ULThread().setColour(0x00FF00);
        graph.setOverLapColour(0x00FFFF);
        QObject::connect(&dialog, &frmSettings::Unloaded, [this] { ++unloaded; });
    }

    // A missing control crashes here.
    template <typename T = QWidget> T& find(const char* name)
    {
        return *dialog.findChild<T*>(name);
    }
    // A colour's "..." gets the colour as the picker's answer (none: the picker cancelled).
    void click(const char* button, std::optional<ColourRef> colour = {})
    {
        answer = colour;
        QTest::mouseClick(&find<QPushButton>(button), Qt::LeftButton);
    }
    QRgb sample(const char* line) { return find(line).palette().color(QPalette::Window).rgb(); }
    QComboBox& transparency() { return find<QComboBox>("cmbTrans"); }
    QLineEdit& scale() { return find<QLineEdit>("txtMaxValue"); }
    QTabWidget& tabs() { return find<QTabWidget>("TabStrip1"); }
    QCheckBox& startup() { return find<QCheckBox>("chkStartup"); }

    ConfigHome m_config;
    ctlScrollGraph2 graph;
    std::uint8_t opacity = 255;
    std::vector<MessageRequest> messages;
    std::optional<ColourRef> answer;
    std::vector<ColourRef> presets;
    int unloaded = 0;
    frmSettings dialog{{graph, [this] { return opacity; }, [this](std::uint8_t o) { opacity = o; },
                        [this](QWidget*, const MessageRequest& m) {
                            messages.push_back(m);
                            return QMessageBox::Ok;
                        },
                        [this](QWidget*, ColourRef current) {
                            presets.push_back(current);
                            return answer;
                        }}};
};

// Every showing loads the live values, a second one while open only brings the dialog forward,
// and every close but OK applies nothing: Cancel, Esc, the close box, Enter on a focused Cancel
// (on a focused "..." it asks for a colour). Each close raises Unloaded once, closing a closed
// dialog none.
TEST_F(SettingsDialogTest, ShowingLoadsTheLiveValuesAndEveryCloseButOkAppliesNothing)
{
    const std::function<void()> closers[] = {
        [this] { click("cmdCancel"); }, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [this] { dialog.close(); },
        [this] {
            tabs().setCurrentIndex(1);
            find<QPushButton>("cmdInColour").setFocus();
            QTest::keyClick(&find<QPushButton>("cmdInColour"), Qt::Key_Return);
            EXPECT_TRUE(dialog.isLoaded()) << "the colour asked for, the dialog still open";
            find<QPushButton>("cmdCancel").setFocus();
            QTest::keyClick(&find<QPushButton>("cmdCancel"), Qt::Key_Enter);
        }};
    const std::pair<std::uint8_t, const char*> opacities[] = {
        {243, "Opaque"}, {128, "50%"}, {5, "90%"}, {26, "90%"}};
    for (int i = 0; i < 4; ++i) {
        opacity = opacities[i].first;
        dialog.ShowDialog();
        EXPECT_EQ(std::tuple(transparency().currentText(), scale().text(), tabs().currentIndex()),
                  std::tuple(QString(opacities[i].second), QString("100000"), 0));
        EXPECT_EQ(find<QLabel>("lblVersion").text(), "Version " TARNIVEL_VERSION);
        tabs().setCurrentIndex(2);
        scale().setText("5");
        transparency().setCurrentText("10%");
        click("cmdInColour", 0x000000);
        dialog.ShowDialog();
        EXPECT_EQ(scale().text(), "5");
        closers[i]();
        EXPECT_FALSE(dialog.isLoaded()) << i;
        dialog.close();
        EXPECT_EQ(std::tuple(unloaded, dialog.isLoaded(), graph.MaxValue(),
                             graph.DLThread().Colour(), opacity),
                  std::tuple(i + 1, false, 100000.0f, 0x0000FFu, opacities[i].first));
    }
    EXPECT_EQ(presets.size(), 5u);
}

// A refused scale warns and keeps the dialog open on the Options page with the focus in the box,
// having applied transparency and autostart only. Then OK applies the scale and the picked
// colours too; the overlap sample shows the or of incoming and outgoing until the overlap colour
// is picked. Enter where no button has the focus presses OK.
TEST_F(SettingsDialogTest, OkAppliesEverythingAlsoOnEnterButARefusedScaleOnlySome)
{
    graph.show();
    dialog.ShowDialog();
    transparency().setCurrentText("30%");
    startup().setChecked(true);
    click("cmdInColour", 0x800000);
    click("Command1", 0x000080);
    click("Command2", std::nullopt);
    EXPECT_EQ(presets, (std::vector<ColourRef>{0x0000FF, 0x00FF00, 0x808080}));
    EXPECT_EQ(std::tuple(sample("linOutColour"), sample("linOverLap"), sample("linBackColour")),
              std::tuple(0xFF800000, 0xFF800080, 0xFF808080)); // Colour 0x000080 is red
    scale().setText("0");
    tabs().setCurrentIndex(3);
    click("cmdOK");
    EXPECT_EQ(std::tuple(messages.at(0).text.toStdString(), messages[0].icon, dialog.isVisible(),
                         tabs().currentIndex(), dialog.focusWidget(), opacity,
                         IsInRunKey("Tarnivel"), graph.MaxValue(), graph.DLThread().Colour()),
              std::tuple(problemText("Please enter a value between 1 and 9999999"),
                         QMessageBox::Critical, true, 0, &scale(), 178, true, 100000.0f,
                         0x0000FFu));
    scale().setText("9999999");
    click("cmdOK");
    EXPECT_EQ(std::tuple(graph.MaxValue(), unloaded, messages.size(), graph.DLThread().Colour(),
                         graph.ULThread().Colour(), graph.OverLapColour(), graph.BackColour()),
              std::tuple(9999999.0f, 1, 1u, 0x800000u, 0x000080u, 0x00FFFFu, 0x808080u));

    dialog.ShowDialog();
    EXPECT_EQ(std::tuple(transparency().currentText(), scale().text(), startup().isChecked()),
              std::tuple(QString("30%"), QString("9999999"), true));
    startup().setChecked(false);
    click("Command3", 0x123456);
    click("Command2", 0x00FF00);
    scale().setFocus();
    QTest::keyClick(&scale(), Qt::Key_Return);
    EXPECT_EQ(std::tuple(sample("linOverLap"), dialog.isLoaded(), IsInRunKey("Tarnivel"),
                         graph.OverLapColour(), graph.image().pixel(0, 0)), // drawn anew
              std::tuple(0xFF563412, false, false, 0x123456u, 0xFF00FF00));
}

// The scale box takes digits only, seven at most; every page is drawn as in its picture (with the
// widest totals shown).
TEST_F(SettingsDialogTest, ScaleBoxTakesSevenDigitsAndEveryPageLooksAsItsPicture)
{
    dialog.ShowDialog();
    scale().clear();
    QTest::keyClicks(&scale(), "1a2-3 .e4\b45678");
    EXPECT_EQ(scale().text(), "1234567") << "Backspace, then an eighth digit";
    dialog.NewTotals(1024, 1073741824.0); // "1024.00 bytes", "1024.00 Mb": no unit at its threshold
    find<QLabel>("lblVersion").setText("Version 1.23.4"); // any version's picture
    for (int tab = 0; tab < tabs().count(); ++tab) {
        tabs().setCurrentIndex(tab);
        QCoreApplication::processEvents();
        expectPicture(dialog.grab().toImage(), "settings-" + tabs().tabText(tab).toLower(), false);
    }
}

// The real colour picker starts from the colour shown; Esc keeps it, OK hands over the one picked
// (red in the low byte of a ColourRef).
TEST_F(SettingsDialogTest, TheRealColourPickerCancelsOrGivesThePickedColour)
{
    frmSettings real({graph, [] { return std::uint8_t{255}; }, [](std::uint8_t) {}, {}, {}});
    int asked = 0;
    QTimer answering;
    answering.callOnTimeout([&asked] {
        if (auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(picker->currentColor(), QColor(Qt::red));
            picker->setCurrentColor(QColor(0x12, 0x34, 0x56));
            ++asked == 1 ? QTest::keyClick(picker, Qt::Key_Escape) : picker->accept();
        }
    });
    answering.start(10);
    real.ShowDialog();
    for (const char* button : {"cmdInColour", "cmdInColour", "cmdOK"})
        real.findChild<QPushButton*>(button)->click();
    EXPECT_EQ(std::pair(asked, graph.DLThread().Colour()), std::pair(2, ColourRef{0x563412}));
}
