#include "app/startup.h"
#include "tests/support/memory_settings.h"
#include "ui/wizard/wizard.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarnivel {
namespace {

const QString kOtherRateMessage = QStringLiteral(
    "Please specify a connection speed between 1 and 9999999, in the box marked 'bytes/second'");

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
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

    template <typename T> T& control(const char* name)
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
    int visiblePage()
    {
        int shown = 0;
        for (int i = 1; i <= 3; ++i)
            if (control<QFrame>(QStringLiteral("fra%1").arg(i).toLatin1().constData()).isVisible())
                shown = shown == 0 ? i : -1;
        return shown;
    }
    // Finishes on page 3 with the given entry (and typed rate); returns the stored MaxValue.
    std::string finishWith(int index, const QString& typed = {})
    {
        toPage3();
        list().setCurrentIndex(index);
        other().setText(typed);
        click(next());
        const auto it = settings.values.find("MaxValue");
        return it == settings.values.end() ? "" : it->second;
    }

    MemorySettings settings;
    std::vector<MessageRequest> messages;
    std::deque<QMessageBox::StandardButton> answers;
    int quits = 0;
    std::unique_ptr<frmWizard> wizard;
};

TEST_F(WizardTest, StartsOnPageOneNotAgreed)
{
    EXPECT_EQ(wizard->windowTitle(), "Welcome...");
    EXPECT_EQ(wizard->size(), QSize(324, 321));
    EXPECT_EQ(wizard->page(), 1);
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_TRUE(control<QRadioButton>("optAgree1").isChecked());
    EXPECT_FALSE(control<QRadioButton>("optAgree0").isChecked());
    EXPECT_FALSE(back().isVisible());
    EXPECT_EQ(next().text(), "Next >>");
    EXPECT_EQ(list().count(), 12);
    EXPECT_EQ(list().currentIndex(), 0);
    EXPECT_FALSE(other().isVisible());
    EXPECT_FALSE(control<QLabel>("lblOther").isVisible());
    EXPECT_EQ(other().maxLength(), 7);
    EXPECT_EQ(control<QLabel>("Picture1").pixmap().size(), QSize(135, 42));
}

TEST_F(WizardTest, NextWithoutAgreementOnEveryPage)
{
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        // Yes keeps the page, whatever it is.
        agree(false);
        answers = {QMessageBox::Yes};
        click(next());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, ":o(");
        EXPECT_EQ(messages[0].text, "You must indicate that you agree to the terms displayed "
                                    "before using this software\nDo you wish to continue?");
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(wizard->page(), page);
        EXPECT_EQ(visiblePage(), page);
        EXPECT_EQ(quits, 0);

        // No ends the program at once, with nothing stored.
        answers = {QMessageBox::No};
        QSignalSpy completed(wizard.get(), &frmWizard::completed);
        click(next());
        EXPECT_EQ(quits, 1);
        EXPECT_TRUE(settings.values.empty());
        EXPECT_EQ(completed.count(), 0);
        EXPECT_EQ(wizard->page(), page);

        messages.clear();
        quits = 0;
        agree();
        if (page < 3)
            click(next());
    }
}

TEST_F(WizardTest, NextAndBackButtons)
{
    agree();
    click(next());
    EXPECT_EQ(visiblePage(), 2);
    EXPECT_TRUE(back().isVisible());
    EXPECT_EQ(next().text(), "Next >>");
    click(next());
    EXPECT_EQ(visiblePage(), 3);
    EXPECT_TRUE(back().isVisible());
    EXPECT_EQ(next().text(), "Finish");
    click(back());
    click(back());
    EXPECT_EQ(wizard->page(), 1);
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_FALSE(back().isVisible());
    EXPECT_EQ(next().text(), "Next >>");
    EXPECT_TRUE(messages.empty());
}

TEST_F(WizardTest, OtherShowsTheBoxAndHidingKeepsItsText)
{
    toPage3();
    list().setCurrentIndex(11);
    EXPECT_TRUE(other().isVisible());
    EXPECT_TRUE(control<QLabel>("lblOther").isVisible());
    QTest::keyClicks(&other(), "4321");
    list().setCurrentIndex(3);
    EXPECT_FALSE(other().isVisible());
    EXPECT_FALSE(control<QLabel>("lblOther").isVisible());
    EXPECT_EQ(other().text(), "4321");
    // The typed rate is ignored for any other entry.
    click(next());
    EXPECT_EQ(settings.values.at("MaxValue"), "7920");
}

TEST_F(WizardTest, RateBoxTakesDigitsOnly)
{
    toPage3();
    list().setCurrentIndex(11);
    QTest::keyClicks(&other(), "1a 2-+.,e3");
    EXPECT_EQ(other().text(), "123");
    QTest::keyClick(&other(), Qt::Key_Backspace);
    EXPECT_EQ(other().text(), "12");
    QTest::keyClicks(&other(), "34567890");
    EXPECT_EQ(other().text(), "1234567") << "an eighth digit is refused";
}

TEST_F(WizardTest, TypedRates)
{
    const struct {
        QString typed;
        std::string stored; // empty: refused with the message
    } cases[] = {{"", ""}, {"0", ""}, {"9999999", "9999999"}, {"0000001", "1"}};
    for (const auto& c : cases) {
        SetUp();
        settings.values.clear();
        messages.clear();
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(finishWith(11, c.typed), c.stored);
        if (c.stored.empty()) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, "Tarnivel");
            EXPECT_EQ(messages[0].text, kOtherRateMessage);
            EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
            EXPECT_EQ(messages[0].buttons, QMessageBox::Ok);
            EXPECT_EQ(wizard->focusWidget(), &other());
            EXPECT_EQ(wizard->page(), 3);
            EXPECT_TRUE(wizard->isVisible());
            EXPECT_TRUE(settings.values.empty());
        } else {
            EXPECT_TRUE(messages.empty());
        }
    }
}

TEST_F(WizardTest, ConnectionTypesStoreTheirRates)
{
    const struct {
        int index;
        std::string stored;
    } cases[] = {{0, "7200"}, {3, "7920"}, {9, "211200"}, {10, "6336000"}};
    for (const auto& c : cases) {
        SetUp();
        settings.values.clear();
        messages.clear();
        SCOPED_TRACE(c.index);
        EXPECT_EQ(finishWith(c.index), c.stored);
        // "Don't know" warns before it stores.
        ASSERT_EQ(messages.size(), c.index == 0 ? 1u : 0u);
        if (c.index == 0) {
            EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
        }
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
    finishWith(9);
    EXPECT_EQ(settings.log, "MaxValue=211200 RunBefore=1 flush");
    EXPECT_EQ(settings.values.at("RunBefore"), "1");
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

// The places were drawn for a smaller font than the desktop's: every text must still show
// whole, within its page and the window.
TEST_F(WizardTest, TextsFitTheirPlaces)
{
    for (int page = 1; page <= 3; ++page) {
        for (QWidget* w : wizard->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || !w->isVisibleTo(wizard.get()) ||
                w->objectName().startsWith(QLatin1String("fra")))
                continue;
            SCOPED_TRACE(w->objectName().toStdString());
            const QRect inParent = w->parentWidget()->rect();
            EXPECT_TRUE(inParent.contains(w->geometry()))
                << "outside its parent: " << w->geometry().x() << "," << w->geometry().y();
            if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8,
                          button->width());
                EXPECT_LE(w->sizeHint().height(), w->height());
            } else if (qobject_cast<QLineEdit*>(w) == nullptr) {
                EXPECT_LE(w->sizeHint().width(), w->width());
                EXPECT_LE(w->sizeHint().height(), w->height());
            }
        }
        if (page == 3)
            break;
        agree();
        click(next());
        if (page == 2)
            list().setCurrentIndex(11);
    }
    for (const char* a : {"Picture1", "cmdBack", "cmdNext", "HyperLink2"})
        for (const char* b : {"Picture1", "cmdBack", "cmdNext", "HyperLink2", "fra1"})
            if (a != b) {
                EXPECT_FALSE(
                    control<QWidget>(a).geometry().intersects(control<QWidget>(b).geometry()))
                    << a << " overlaps " << b;
            }
}

} // namespace
} // namespace tarnivel
