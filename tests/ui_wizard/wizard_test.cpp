// The first-run wizard driven through its real widgets; messages answer through its seam.
#include "app/startup.h"
#include "tests/support/layout_check.h"
#include "tests/support/memory_settings.h"
#include "ui/wizard/wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarnivel {
namespace {

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override { restart(); }
    void restart()
    {
        wizard.reset();
        settings = {};
        messages.clear();
        quits = 0;
        wizard = std::make_unique<frmWizard>(
            WizardDeps{settings,
                       [this](QWidget*, const MessageRequest& request) {
                           messages.push_back(request);
                           const auto answer = answers.empty() ? QMessageBox::Ok : answers.front();
                           if (!answers.empty())
                               answers.pop_front();
                           return answer;
                       },
                       [this] {
                           ++quits;
                       }});
        wizard->show();
    }

    template <typename T = QWidget> T& control(const char* name)
    {
        T* found = wizard->findChild<T*>(QLatin1String(name));
        if (found == nullptr)
            throw std::runtime_error(name);
        return *found;
    }
    QPushButton& next() { return control<QPushButton>("cmdNext"); }
    QPushButton& back() { return control<QPushButton>("cmdBack"); }
    QComboBox& list() { return control<QComboBox>("cmdConnectionType"); }
    QLineEdit& other() { return control<QLineEdit>("txtOther"); }
    // Near the left edge, where an option button's circle is.
    void click(QAbstractButton& button)
    {
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }
    void agree(bool yes = true) { click(control<QRadioButton>(yes ? "optAgree0" : "optAgree1")); }
    void toPage3()
    {
        agree();
        click(next());
        click(next());
        ASSERT_EQ(wizard->page(), 3);
    }
    // The one page frame on show, checked against the wizard's own page number.
    void expectPage(int page)
    {
        EXPECT_EQ(wizard->page(), page);
        for (const char* frame : {"fra1", "fra2", "fra3"})
            EXPECT_EQ(control(frame).isVisible(), frame[3] - '0' == page) << frame;
        EXPECT_EQ(back().isVisible(), page > 1);
        EXPECT_EQ(next().text(), page == 3 ? "Finish" : "Next >>");
    }
    MemorySettings settings;
    std::vector<MessageRequest> messages;
    std::deque<QMessageBox::StandardButton> answers;
    int quits = 0;
    std::unique_ptr<frmWizard> wizard;
};

TEST_F(WizardTest, StartsOnPageOneNotAgreedAndNextAndBackMove)
{
    EXPECT_EQ(wizard->size(), QSize(324, 321));
    expectPage(1);
    EXPECT_TRUE(control<QRadioButton>("optAgree1").isChecked());
    EXPECT_EQ(list().currentIndex(), 0);
    EXPECT_EQ(control<QLabel>("Picture1").pixmap().size(), QSize(135, 42));
    agree();
    for (const int page : {2, 3}) {
        click(next());
        expectPage(page);
    }
    click(back());
    click(back());
    expectPage(1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WizardTest, NextWithoutAgreementOnEveryPage)
{
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        agree(false);
        answers = {QMessageBox::Yes, QMessageBox::No};
        click(next());                  // Yes keeps the page
        ASSERT_EQ(messages.size(), 1u); // its title and text: tests/texts
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        expectPage(page);
        EXPECT_EQ(quits, 0);

        QSignalSpy completed(wizard.get(), &frmWizard::completed);
        click(next()); // No ends the program at once, with nothing stored
        EXPECT_EQ(quits, 1);
        EXPECT_TRUE(settings.values.empty());
        EXPECT_EQ(completed.count(), 0);

        messages.clear();
        quits = 0;
        agree();
        if (page < 3)
            click(next());
    }
}

TEST_F(WizardTest, OtherShowsTheRateBoxWhichTakesDigitsOnlyEditsAsUsualAndKeepsThemWhenHidden)
{
    toPage3();
    EXPECT_FALSE(other().isVisible());
    list().setCurrentIndex(11);
    EXPECT_TRUE(other().isVisible() && control("lblOther").isVisible());
    QTest::keyClicks(&other(), "1a 2-+.,e3");
    EXPECT_EQ(other().text(), "123");
    QTest::keyClick(&other(), Qt::Key_Backspace);
    QTest::keyClicks(&other(), "34567890");
    EXPECT_EQ(other().text(), "1234567") << "Backspace, then an eighth digit";
    // Keys that type nothing printable edit as usual; their texts as X11 and Wayland give them.
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers, char16_t text) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text ? QString(QChar(text)) : QString());
        QApplication::sendEvent(&other(), &event);
    };
    press(Qt::Key_Home, {}, 0);
    press(Qt::Key_Delete, {}, 0x7f);
    EXPECT_EQ(other().text(), "234567");
    press(Qt::Key_A, Qt::ControlModifier, 0x01); // select all
    press(Qt::Key_X, Qt::ControlModifier, 0x18); // cut
    EXPECT_EQ(other().text(), "");
    press(Qt::Key_V, Qt::ControlModifier, 0x16); // paste back
    press(Qt::Key_Z, Qt::ControlModifier, 0x1a); // undo the paste
    press(Qt::Key_Z, Qt::ControlModifier, 0x1a); // undo the cut
    EXPECT_EQ(other().text(), "234567");
    list().setCurrentIndex(3);
    EXPECT_FALSE(other().isVisible() || control("lblOther").isVisible());
    EXPECT_EQ(other().text(), "234567");
    click(next()); // the typed rate is ignored for any other entry
    EXPECT_EQ(settings.values["MaxValue"], "7920");
}

TEST_F(WizardTest, FinishStoresTheRateOrSaysWhy)
{
    const struct {
        int index;
        const char* typed;
        const char* stored; // empty: refused with a warning, focus in the rate box
    } cases[] = {
        {0, "", "7200"}, {3, "", "7920"}, {9, "", "211200"},          {10, "", "6336000"},
        {11, "", ""},    {11, "0", ""},   {11, "9999999", "9999999"}, {11, "0000001", "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " '" + c.typed + "'");
        restart();
        toPage3();
        list().setCurrentIndex(c.index);
        other().setText(QString::fromLatin1(c.typed));
        click(next());
        EXPECT_EQ(settings.values["MaxValue"], c.stored);
        // "Don't know" warns before it stores; a refused rate warns and stays.
        const bool refused = *c.stored == '\0';
        ASSERT_EQ(messages.size(), c.index == 0 || refused ? 1u : 0u);
        EXPECT_TRUE(messages.empty() || messages[0].icon == QMessageBox::Warning);
        EXPECT_TRUE(!refused || (wizard->focusWidget() == &other() && wizard->isVisible()));
    }
}

// Enter presses the focused button, and "Next >>" or "Finish" wherever no button has the focus;
// Space presses the focused button.
TEST_F(WizardTest, EnterPressesTheFocusedButtonElseNext)
{
    QApplication::setActiveWindow(wizard.get());
    agree();
    QTest::keyClick(&control<QRadioButton>("optAgree0"), Qt::Key_Return);
    EXPECT_EQ(wizard->page(), 2);
    back().setFocus();
    QTest::keyClick(&back(), Qt::Key_Return);
    EXPECT_EQ(wizard->page(), 1);
    next().setFocus();
    QTest::keyClick(&next(), Qt::Key_Enter);
    QTest::keyClick(&next(), Qt::Key_Space);
    EXPECT_EQ(wizard->page(), 3);
    list().setCurrentIndex(11);
    other().setFocus();
    QTest::keyClicks(&other(), QStringLiteral("4321"));
    QTest::keyClick(&other(), Qt::Key_Return);
    EXPECT_EQ(settings.values["MaxValue"], "4321");
}

// The question with a real message box: only its "No" ends the program; Esc and the box's close
// button mean staying, as "Yes" does.
TEST(WizardQuestion, OnlyNoEndsTheProgram)
{
    const std::pair<const char*, std::function<void(QMessageBox&)>> answers[] = {
        {"Esc",
         [](QMessageBox& box) {
             QTest::keyClick(&box, Qt::Key_Escape);
         }},
        {"close",
         [](QMessageBox& box) {
             box.close();
         }},
        {"No", [](QMessageBox& box) {
             box.button(QMessageBox::No)->click();
         }}};
    for (const auto& [how, answer] : answers) {
        SCOPED_TRACE(how);
        MemorySettings settings;
        int quits = 0;
        frmWizard wizard({settings, {}, [&quits] {
                              ++quits;
                          }});
        wizard.show();
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [&answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                answer(*box);
        });
        answering.start(10);
        wizard.findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
        EXPECT_EQ(quits, std::string_view(how) == "No" ? 1 : 0);
        EXPECT_EQ(wizard.page(), 1);
    }
}

TEST_F(WizardTest, WarningEndedWithoutAnAnswerStoresNothing)
{
    toPage3();
    answers = {QMessageBox::NoButton}; // the box was ended by the program quitting
    click(next());
    EXPECT_TRUE(settings.values.empty());
    EXPECT_TRUE(wizard->isVisible());
}

TEST_F(WizardTest, FinishStoresThenClosesAndHandsOverToTheMeter)
{
    QSignalSpy completed(wizard.get(), &frmWizard::completed);
    ASSERT_EQ(chooseStartWindow(settings), StartWindow::Wizard);
    toPage3();
    list().setCurrentIndex(9);
    click(next());
    EXPECT_EQ(settings.log, "MaxValue=211200 RunBefore=1 flush");
    EXPECT_EQ(chooseStartWindow(settings), StartWindow::Meter);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(quits, 0) << "finishing must not end the program";
}

TEST_F(WizardTest, ClosingBeforeFinishEndsTheProgramWithNothingStored)
{
    agree();
    click(next());
    wizard->close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(chooseStartWindow(settings), StartWindow::Wizard);
}

// The places were drawn for a smaller font than the desktop's: every text must still show whole.
TEST_F(WizardTest, TextsFitTheirPlaces)
{
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        expectControlsWhole(*wizard);
        agree();
        click(next());
        list().setCurrentIndex(11);
    }
}

} // namespace
} // namespace tarnivel
