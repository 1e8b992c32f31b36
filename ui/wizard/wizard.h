#pragma once

#include "app/settings.h"
#include "ui/common/message_box.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarnivel {

class LinkLabel;

// What the wizard needs from outside; tests pass fakes.
struct WizardDeps {
    SettingsBackend& settings;
    // Shows a message and returns the answer; empty shows a real message box.
    MessageBoxShow messageBox;
    // Ends the program when the user refuses the terms or closes the wizard; empty calls
    // QCoreApplication::quit.
    std::function<void()> quit;
};

// The first-run wizard: the terms to agree to, the thank-you-ware note, and the connection
// type that becomes the graph's scale. Finish stores MaxValue and RunBefore, closes the wizard
// and emits completed(), upon which the meter window opens. Closing it any other way, or
// refusing the terms, ends the program with nothing stored.
// Every control carries its name as objectName ("fra1", "optAgree0", "cmdNext", ...).
class frmWizard final : public QWidget {
    Q_OBJECT

public:
    explicit frmWizard(WizardDeps deps, QWidget* parent = nullptr);
    ~frmWizard() override;
    Q_DISABLE_COPY_MOVE(frmWizard)

    short page() const noexcept { return miPage; }

    void cmdNext_Click();
    void cmdBack_Click();

signals:
    void completed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void fitTexts();
    void ShowPage(const short& Page);
    void cmdConnectionType_Click();
    QMessageBox::StandardButton message(const MessageRequest& request);
    void endProgram();

    WizardDeps m_deps;
    short miPage = 1;
    bool m_completed = false;

    std::array<QFrame*, 3> m_fra{};
    QLabel* m_lblWelcome = nullptr;
    std::array<QRadioButton*, 2> m_optAgree{};
    QLabel* m_lblThankYouWare = nullptr;
    LinkLabel* m_hyperLink3 = nullptr;
    QLabel* m_lblBlah = nullptr;
    QLabel* m_label2 = nullptr;
    QComboBox* m_cmdConnectionType = nullptr;
    QLineEdit* m_txtOther = nullptr;
    QLabel* m_lblOther = nullptr;
    QLabel* m_picture1 = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdNext = nullptr;
    LinkLabel* m_hyperLink2 = nullptr;
};

} // namespace tarnivel
