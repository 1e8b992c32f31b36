// The first-run wizard driven through its real widgets; messages answer through its seam.
#include "tests/support/layout_check.h"
#include "tests/support/memory_settings.h"
#include "ui/wizard/wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarnivel {
namespace {

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    // A wizard over a fresh store; messages answer through the seam, or in real boxes.
    void restart(bool realBoxes = false)
    {
        settings = {};
        messages.clear();
        quits = 0;
        const auto seam = [this](QWidget*, const MessageRequest& m) {
            return messages.push_back(m), answer;
        };
        wizard = std::make_unique<frmWizard>(
            WizardDeps(settings, realBoxes ? MessageBoxShow() : seam, [this] { ++quits; }));
        wizard->show();
    }

    template <typename T = QWidget> T& control(const char* name)
    {
        return *wizard->findChild<T*>(QLatin1String(name));
    }
    QPushButton& next() { return control<QPushButton>("cmdNext"); }
    QComboBox& list() { return control<QComboBox>("cmdConnectionType"); }
    QLineEdit& other() { return control<QLineEdit>("txtOther"); }
    void agree(bool yes = true) { control<QRadioButton>(yes ? "optAgree0" : "optAgree1").click(); }

    MemorySettings settings;
    std::vector<MessageRequest> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    int quits = 0;
    std::unique_ptr<frmWizard> wizard;
};

// On every page Next without the agreement asks whether to go on, and "Yes" stays (only "No" ends
// the program, below). Enter presses the focused button, and "Next >>" where no button has the
// focus; Space presses the focused button. One page frame shows at a time, its texts whole at the
// desktop's font (the places were drawn for a smaller one).
TEST_F(WizardTest, PagesMoveByButtonsAndKeysOnlyWhenAgreedAndShowTheirTextsWhole)
{
    list().setCurrentIndex(11); // "Other", with the rate box
    answer = QMessageBox::Yes;
    const struct {
        const char* focus;
        Qt::Key key;
        int page;
    } steps[] = {{"optAgree0", Qt::Key_Return, 2},
                 {"cmdBack", Qt::Key_Return, 1},
                 {"cmdNext", Qt::Key_Enter, 2},
                 {"cmdNext", Qt::Key_Space, 3}};
    for (const auto& step : steps) {
        agree(false);
        next().click();
        agree();
        control(step.focus).setFocus();
        QTest::keyClick(&control(step.focus), step.key);
        EXPECT_EQ(wizard->page(), step.page);
        for (const char* frame : {"fra1", "fra2", "fra3"})
            EXPECT_EQ(control(frame).isVisible(), frame[3] - '0' == step.page) << frame;
        EXPECT_EQ(control("cmdBack").isVisible(), step.page > 1);
        EXPECT_EQ(next().text(), step.page == 3 ? "Finish" : "Next >>");
        expectControlsWhole(*wizard);
    }
    EXPECT_EQ(messages.size(), std::size(steps));
    EXPECT_EQ(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(quits, 0);
}

// Finish stores the scale, then RunBefore, closes the wizard and hands over to the meter. The
// rate box shows for "Other" only and takes seven digits at most, other characters typing nothing
// (Backspace edits as usual); a refused rate warns and keeps the wizard, with the focus in the
// rate box. "Don't know" warns before it stores, and stores nothing when that warning was ended
// by the program quitting.
TEST_F(WizardTest, FinishStoresTheRateOrSaysWhy)
{
    const struct {
        int index;
        const char* typed;  // ignored for any entry but "Other"
        const char* stored; // empty: nothing; for "Don't know", its warning ended unanswered
    } cases[] = {
        {0, "", "7200"},      {3, "5", "7920"}, {9, "", "211200"},           {10, "", "6336000"},
        {11, "", ""},         {11, "0", ""},    {11, "99999999", "9999999"}, {11, "0000001", "1"},
        {11, "-1.5e\b", "1"}, {0, "", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " '" + c.typed + "'");
        restart();
        answer = c.index == 0 && !*c.stored ? QMessageBox::NoButton : QMessageBox::Ok;
        QSignalSpy completed(wizard.get(), &frmWizard::completed);
        agree();
        next().click();
        next().click();
        list().setCurrentIndex(c.index);
        EXPECT_EQ(other().isHidden(), c.index != 11);
        QTest::keyClicks(&other(), c.typed);
        next().click();
        const bool finished = *c.stored != '\0';
        EXPECT_EQ(settings.log,
                  finished ? std::string("MaxValue=") + c.stored + " RunBefore=1 flush" : "");
        EXPECT_EQ(completed.count(), finished ? 1 : 0);
        EXPECT_NE(wizard->isVisible(), finished);
        EXPECT_EQ(quits, 0);
        ASSERT_EQ(messages.size(), c.index == 0 || !finished ? 1u : 0u);
        EXPECT_TRUE(finished || c.index == 0 || wizard->focusWidget() == &other());
    }
}

// Keys that type no printable character edit the rate box as usual (their texts as X11 and
// Wayland give them), and Enter there finishes.
TEST_F(WizardTest, EditingKeysWorkInTheRateBoxAndEnterFinishes)
{
    agree();
    next().click();
    next().click();
    list().setCurrentIndex(11);
    QTest::keyClicks(&other(), "1234");
    for (const auto& [key, text] : {std::pair{Qt::Key_Home, u'\0'},
                                    {Qt::Key_Delete, u'\x7f'},
                                    {Qt::Key_A, u'\x01'},
                                    {Qt::Key_X, u'\x18'},
                                    {Qt::Key_Z, u'\x1a'}}) {
        QKeyEvent press(QEvent::KeyPress, key,
                        key == Qt::Key_Home || key == Qt::Key_Delete ? Qt::NoModifier
                                                                     : Qt::ControlModifier,
                        text ? QString(QChar(text)) : QString());
        QApplication::sendEvent(&other(), &press);
    }
    QTest::keyClick(&other(), Qt::Key_Return);
    EXPECT_EQ(settings.values["MaxValue"], "234"); // Delete, cut all, undo the cut
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
        QObject::connect(&answering, &QTimer::timeout, [&answerBox] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                answerBox(box);
        });
        answering.start(10);
        next().click();
        EXPECT_EQ(quits, &answerBox == &answers[2] ? 1 : 0);
    }
}

} // namespace
} // namespace tarnivel
