// The first-run wizard driven through its real widgets; messages answer through its seam.
#include "tests/support/memory_settings.h"
#include "tests/support/picture_check.h"
#include "ui/wizard/wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarnivel;

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    // A wizard over a fresh store; messages answer through the seam, or in real boxes.
    void restart(bool realBoxes = false)
    {
        settings = {};
        messages = quits = 0;
        const MessageBoxShow seam(
            [this](QWidget*, const MessageRequest&) { return ++messages, answer; });
        wizard = std::make_unique<frmWizard>(
            WizardDeps(settings, realBoxes ? MessageBoxShow() : seam, [this] { ++quits; }));
        wizard->show();
    }

    QWidget& control(const QString& name) { return *wizard->findChild<QWidget*>(name); }
    QPushButton& next() { return *wizard->findChild<QPushButton*>("cmdNext"); }
    QLineEdit& other() { return *wizard->findChild<QLineEdit*>("txtOther"); }
    void agree() { wizard->findChild<QRadioButton*>("optAgree0")->click(); }

    MemorySettings settings;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    int messages = 0, quits = 0;
    std::unique_ptr<frmWizard> wizard;
};

// On every page Next without the agreement asks whether to go on, and "Yes" stays. Enter presses
// the focused button, and "Next >>" where no button has the focus (the rate box too); Space
// presses the focused button. One page shows at a time, as in its picture.
// Keys that type no printable character edit the rate box as usual (their texts as X11 and
// Wayland give them).
TEST_F(WizardTest, PagesMoveByButtonsAndKeysOnlyWhenAgreedAndTheRateBoxEditsAsUsual)
{
    // "Other", with the rate box
    wizard->findChild<QComboBox*>("cmdConnectionType")->setCurrentIndex(11);
    answer = QMessageBox::Yes;
    // clang-format off
    const std::tuple<const char*, Qt::Key, int> steps[] = {{"optAgree0", Qt::Key_Return, 2},
        {"cmdBack", Qt::Key_Return, 1}, {"cmdNext", Qt::Key_Enter, 2}, {"cmdNext", Qt::Key_Space, 3}
    };
    // clang-format on
    for (const auto& [focus, key, page] : steps) {
        wizard->findChild<QRadioButton*>("optAgree1")->click();
        next().click();
        agree();
        control(focus).setFocus();
        QTest::keyClick(&control(focus), key);
        EXPECT_EQ(std::tuple(wizard->page(), control("fra" + QString::number(page)).isVisible(),
                             control("cmdBack").isVisible()),
                  std::tuple(page, true, page > 1));
        expectPicture(wizard->grab().toImage(), "wizard-" + QString::number(page), false);
    }
    EXPECT_EQ(std::pair(messages, quits), std::pair(4, 0));

    QTest::keyClicks(&other(), "1234");
    // clang-format off
    for (const auto& [key, text] : {std::pair{Qt::Key_Home, ""}, {Qt::Key_Delete, "\x7f"},
                                    {Qt::Key_A, "\x01"}, {Qt::Key_X, "\x18"}, {Qt::Key_Z, "\x1a"}})
        // clang-format on
        QTest::sendKeyEvent(QTest::Press, &other(), key, text,
                            *text && *text < ' ' ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClick(&other(), Qt::Key_Return);
    EXPECT_EQ(settings.log, "MaxValue=234 RunBefore=1 flush"); // Delete, cut all, undo the cut
}

// Finish stores the scale, then RunBefore, and closes the wizard. The rate box shows for "Other"
// only and takes seven digits at most, other characters typing nothing; a refused rate warns and
// keeps the wizard, with the focus in the rate box. "Don't know" warns before it stores, and
// stores nothing when that warning was ended by the program quitting.
TEST_F(WizardTest, FinishStoresTheRateOrSaysWhy)
{
    // The entry, what is typed (ignored for any entry but "Other"), the scale stored (empty:
    // nothing; for "Don't know", its warning ended unanswered).
    // clang-format off
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, "", "7200"}, {1, "", "1980"}, {2, "", "3960"}, {3, "5", "7920"}, {4, "", "15840"},
        {5, "", "63360"}, {6, "", "126720"}, {7, "", "253440"}, {8, "", "506880"}, {11, "", ""},
        {9, "", "211200"}, {10, "", "6336000"}, {11, "0", ""}, {11, "99999999", "9999999"},
        {11, "0000001", "1"}, {11, "-1.5e\b", "1"}, {0, "", ""}};
    // clang-format on
    for (const auto& [index, typed, stored] : cases) {
        restart();
        answer = index == 0 && !*stored ? QMessageBox::NoButton : QMessageBox::Ok;
        agree();
        next().click();
        next().click();
        wizard->findChild<QComboBox*>("cmdConnectionType")->setCurrentIndex(index);
        QTest::keyClicks(&other(), typed);
        next().click();
        const bool finished = *stored != '\0';
        EXPECT_EQ(std::tuple(settings.log, wizard->isVisible(), quits, messages,
                             wizard->focusWidget() == &other(), other().isHidden()),
                  std::tuple(
                      finished ? "MaxValue=" + std::string(stored) + " RunBefore=1 flush" : "",
                      !finished, 0, index == 0 || !finished, index == 11 && !finished, index != 11))
            << index << " '" << typed << "'";
    }
}

// The question in a real message box: Esc and its close button mean staying, as "Yes" does;
// only "No" ends the program.
TEST_F(WizardTest, OnlyNoInTheQuestionsBoxEndsTheProgram)
{
    const std::function<void(QMessageBox*)> answers[] = {
        [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QMessageBox* box) { box->close(); },
        [](QMessageBox* box) {
            box->button(QMessageBox::No)->click();
        }};
    for (const auto& answerBox : answers) {
        restart(true);
        QTimer answering;
        answering.callOnTimeout([&answerBox] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                answerBox(box);
        });
        answering.start(10);
        next().click();
        EXPECT_EQ(quits, &answerBox == &answers[2] ? 1 : 0);
    }
}
