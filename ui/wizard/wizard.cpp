#include "ui/wizard/wizard.h"

#include "resources/icons.h"
#include "ui/common/link_label.h"
#include "ui/common/links.h"
#include "ui/common/qt_text.h"
#include "ui/wizard/wizard_core.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <string>

namespace tarnivel {

namespace {

const QString kProduct = QStringLiteral("Tarnivel");

// Places a control at its place in twips (15 to the pixel), within its parent.
void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left / 15, top / 15, width / 15, height / 15);
}

// The places were laid out for a smaller dialog font than most desktops use. A control whose
// text needs more room than its place grows: in height about its middle, in width away from
// its aligned edge, but not beyond its parent's edge (keeping a margin of 4 pixels).
void growToFit(QWidget* widget)
{
    const QSize needed = widget->sizeHint();
    QRect r = widget->geometry();
    if (needed.height() > r.height())
        r.adjust(0, -(needed.height() - r.height()) / 2, 0, (needed.height() - r.height() + 1) / 2);
    // A button's size hint asks for a style's minimum width, and a text box's for room for
    // many characters; their short texts fit anyway.
    if (needed.width() > r.width() && qobject_cast<const QPushButton*>(widget) == nullptr &&
        qobject_cast<const QLineEdit*>(widget) == nullptr) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label != nullptr && label->alignment().testFlag(Qt::AlignRight))
            r.setLeft(std::max(4, r.right() + 1 - needed.width()));
        else
            r.setWidth(std::min(needed.width(), widget->parentWidget()->width() - 4 - r.left()));
    }
    widget->setGeometry(r);
}

// A word-wrapped text that does not fit its place at the dialog font steps its font down,
// half a point at a time, until it does: the text is never cut off.
void shrinkToFit(QLabel* label)
{
    QFont font = label->font();
    while (label->heightForWidth(label->width()) > label->height() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}

QLabel* wrappedLabel(const char* name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmWizard::frmWizard(WizardDeps deps, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_deps(std::move(deps))
{
    setObjectName(QStringLiteral("frmWizard"));
    setWindowTitle(QStringLiteral("Welcome..."));
    setWindowIcon(appIcon());
    setFixedSize(4860 / 15, 4815 / 15);

    // The three pages, one over the other; ShowPage shows one of them.
    for (std::size_t i = 0; i < m_fra.size(); ++i) {
        QFrame* frame = named(new QFrame(this), ("fra" + std::to_string(i + 1)).c_str());
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        place(frame, 60, 60, 4695, 3555);
        m_fra[i] = frame;
    }
    QFrame* fra1 = m_fra[0];
    QFrame* fra2 = m_fra[1];
    QFrame* fra3 = m_fra[2];

    m_lblWelcome = wrappedLabel("lblWelcome", fra1);
    place(m_lblWelcome, 120, 180, 4455, 2655);
    m_optAgree[0] = named(new QRadioButton(QStringLiteral("I agree"), fra1), "optAgree0");
    place(m_optAgree[0], 120, 2940, 2055, 195);
    m_optAgree[1] = named(new QRadioButton(QStringLiteral("I do not agree"), fra1), "optAgree1");
    place(m_optAgree[1], 120, 3180, 2055, 195);
    m_optAgree[1]->setChecked(true);

    m_lblThankYouWare = wrappedLabel("lblThankYouWare", fra2);
    m_lblThankYouWare->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(m_lblThankYouWare, 240, 300, 4215, 555);
    const Link contact = contactLink();
    m_hyperLink3 = named(new LinkLabel(contact.text, contact.target, fra2), "HyperLink3");
    m_hyperLink3->setAlignment(Qt::AlignCenter);
    place(m_hyperLink3, 1500, 1080, 1665, 195);

    m_lblBlah = wrappedLabel("lblBlah", fra3);
    place(m_lblBlah, 120, 240, 4455, 1335);
    m_label2 = named(new QLabel(QStringLiteral("Connection Type:"), fra3), "Label2");
    m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(m_label2, 840, 2040, 1335, 255);
    m_cmdConnectionType = named(new QComboBox(fra3), "cmdConnectionType");
    place(m_cmdConnectionType, 2280, 1980, 2235, 315);
    m_txtOther = named(new QLineEdit(fra3), "txtOther");
    m_txtOther->setMaxLength(wizard::kOtherMaxLength);
    m_txtOther->installEventFilter(this);
    place(m_txtOther, 2280, 2400, 1215, 285);
    m_txtOther->hide();
    m_lblOther = named(new QLabel(QStringLiteral("bytes/sec"), fra3), "lblOther");
    place(m_lblOther, 3600, 2445, 795, 255);
    m_lblOther->hide();

    m_picture1 = named(new QLabel(this), "Picture1");
    m_picture1->setPixmap(logoPixmap());
    place(m_picture1, 60, 3660, 1995, 675);
    m_cmdBack = named(new QPushButton(QStringLiteral("<< Back"), this), "cmdBack");
    place(m_cmdBack, 2520, 3780, 1035, 495);
    m_cmdNext = named(new QPushButton(this), "cmdNext");
    place(m_cmdNext, 3660, 3780, 1035, 495);
    // Enter presses the focused button, and "Next >>" (or "Finish") everywhere else.
    m_cmdBack->setAutoDefault(true);
    m_cmdNext->setAutoDefault(true);
    m_cmdNext->setDefault(true);
    const Link home = homePageLink();
    m_hyperLink2 = named(new LinkLabel(home.text, home.target, this), "HyperLink2");
    place(m_hyperLink2, 195, 4440, 1740, 195);

    // Keyboard order; the links and labels take no focus.
    setTabOrder(m_optAgree[1], m_optAgree[0]);
    setTabOrder(m_optAgree[0], m_cmdConnectionType);
    setTabOrder(m_cmdConnectionType, m_txtOther);
    setTabOrder(m_txtOther, m_cmdBack);
    setTabOrder(m_cmdBack, m_cmdNext);

    connect(m_cmdNext, &QPushButton::clicked, this, &frmWizard::cmdNext_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmWizard::cmdBack_Click);

    Form_Load();
    fitTexts();
    connect(m_cmdConnectionType, &QComboBox::currentIndexChanged, this,
            &frmWizard::cmdConnectionType_Click);
}

frmWizard::~frmWizard() = default;

void frmWizard::Form_Load()
{
    miPage = 1;
    ShowPage(miPage);
    m_lblWelcome->setText(
        QStringLiteral("Welcome to ") + kProduct +
        QStringLiteral("!\n\nTHIS SOFTWARE IS PROVIDED 'AS IS', WITHOUT WARRANTY OF ANY KIND, "
                       "EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF "
                       "MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN "
                       "NO EVENT SHALL THE AUTHOR BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER "
                       "LIABILITY,WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING "
                       "FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER "
                       "DEALINGS IN THE SOFTWARE."));
    m_lblBlah->setText(
        QStringLiteral("You need to tell ") + kProduct +
        QStringLiteral(" what type of Internet connection you have, so that the graph will be "
                       "displayed to the correct scale.\n\nYou can change this later by clicking "
                       "the right mouse button over the display and choosing 'Settings...' from "
                       "the menu."));
    m_lblThankYouWare->setText(kProduct + QStringLiteral(" is 'thank-you-ware'. If you like it, "
                                                         "email the author to say thanks."));
    for (const wizard::ConnectionType& type : wizard::kConnectionTypes)
        m_cmdConnectionType->addItem(fromView(type.entry), type.itemValue);
    m_cmdConnectionType->setCurrentIndex(wizard::kDontKnowIndex);
}

void frmWizard::fitTexts()
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_optAgree[0], m_optAgree[1], m_hyperLink3, m_label2, m_cmdConnectionType, m_txtOther,
             m_lblOther, m_picture1, m_cmdBack, m_cmdNext, m_hyperLink2})
        growToFit(control);
    // The link under the thank-you note stays centred below it.
    m_hyperLink3->move((m_hyperLink3->parentWidget()->width() - m_hyperLink3->width()) / 2,
                       m_hyperLink3->y());
    // The two choices keep the bottom of "I do not agree"; "I agree" stands right above it.
    const int optionsTop =
        std::min(m_optAgree[1]->y() - m_optAgree[0]->height(), m_optAgree[0]->y());
    m_optAgree[0]->move(m_optAgree[0]->x(), optionsTop);
    // The long texts take the room down to the controls beneath them.
    m_lblWelcome->resize(m_lblWelcome->width(), optionsTop - m_lblWelcome->y());
    m_lblBlah->resize(m_lblBlah->width(),
                      std::min(m_label2->y(), m_cmdConnectionType->y()) - 4 - m_lblBlah->y());
    for (QLabel* label : {m_lblWelcome, m_lblThankYouWare, m_lblBlah})
        shrinkToFit(label);
}

void frmWizard::ShowPage(const short& Page)
{
    const wizard::PageView view = wizard::pageView(Page);
    for (std::size_t i = 0; i < m_fra.size(); ++i)
        m_fra[i]->setVisible(view.frameVisible[i]);
    m_cmdNext->setText(view.nextIsFinish ? QStringLiteral("Finish") : QStringLiteral("Next >>"));
    m_cmdBack->setVisible(view.backVisible);
    m_cmdBack->setEnabled(true);
    m_cmdNext->setEnabled(true);
}

void frmWizard::cmdBack_Click()
{
    miPage = static_cast<short>(wizard::previousPage(miPage));
    ShowPage(miPage);
}

void frmWizard::cmdNext_Click()
{
    const wizard::NextOutcome next =
        wizard::nextOutcome(m_optAgree[0]->isChecked(), miPage, m_cmdConnectionType->currentIndex(),
                            m_txtOther->text().toStdString());
    switch (next.step) {
    case wizard::NextStep::AskToContinue:
        if (message({QStringLiteral(":o("),
                     QStringLiteral("You must indicate that you agree to the terms displayed "
                                    "before using this software\nDo you wish to continue?"),
                     QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No,
                     // Dismissing the question is no refusal: the user stays, as with Yes.
                     QMessageBox::Yes}) == QMessageBox::No)
            endProgram();
        return;
    case wizard::NextStep::ShowPage:
        miPage = static_cast<short>(next.page);
        ShowPage(miPage);
        return;
    case wizard::NextStep::ChooseFromList:
        message({kProduct,
                 QStringLiteral("Please choose a connection type from the list. If you are not "
                                "sure what type of connection you have, choose 'Dont know'"),
                 QMessageBox::Warning, QMessageBox::Ok});
        m_cmdConnectionType->setFocus();
        return;
    case wizard::NextStep::SpecifyOtherRate:
        message({kProduct,
                 QStringLiteral("Please specify a connection speed between ") +
                     QString::number(kMinScale) + QStringLiteral(" and ") +
                     QString::number(kMaxScale) +
                     QStringLiteral(", in the box marked 'bytes/second'"),
                 QMessageBox::Warning, QMessageBox::Ok});
        m_txtOther->setFocus();
        return;
    case wizard::NextStep::WarnThenFinish:
        // A box ended by the program's quitting (a termination signal) answers nothing: then
        // the user has not finished, and nothing is stored.
        if (message({kProduct,
                     QStringLiteral(
                         "You have indicated that you are not sure what type of internet "
                         "connection you have. Tarnivel will choose a value for you, however it "
                         "may not be correct. If you do not see a reasonable graph displayed then "
                         "you should alter the 'Vertical Scale' value on the 'Settings' screen. "
                         "Access the Settings screen by right-clicking over the Tarnivel window"),
                     QMessageBox::Warning, QMessageBox::Ok}) != QMessageBox::Ok)
            return;
        break;
    case wizard::NextStep::Finish:
        break;
    }

    SaveMaxValue(m_deps.settings, next.rate);
    WriteSetting(m_deps.settings, kAppName, kSection, keys::RunBefore.name, "1");
    m_deps.settings.flush();
    m_completed = true;
    close();
    emit completed();
}

void frmWizard::cmdConnectionType_Click()
{
    const bool other = m_cmdConnectionType->currentIndex() == wizard::kOtherIndex;
    m_txtOther->setVisible(other);
    m_lblOther->setVisible(other);
}

bool frmWizard::eventFilter(QObject* watched, QEvent* event)
{
    // txtOther_KeyPress: a typed character passes only when the rules let it; keys that type
    // nothing printable (arrows, Delete, Home, the Ctrl shortcuts) edit as usual.
    if (watched == m_txtOther && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        for (const char32_t c : typed.toUcs4())
            if (!wizard::txtOtherKeyPasses(c))
                return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmWizard::keyPressEvent(QKeyEvent* event)
{
    // Enter that no focused button took: the window's default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        m_cmdNext->isVisible() && m_cmdNext->isEnabled()) {
        m_cmdNext->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QMessageBox::StandardButton frmWizard::message(const MessageRequest& request)
{
    return m_deps.messageBox ? m_deps.messageBox(this, request) : showMessageBox(this, request);
}

void frmWizard::endProgram()
{
    if (m_deps.quit)
        m_deps.quit();
    else
        QCoreApplication::quit();
}

void frmWizard::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The close box, Alt+F4 or the window manager: no other window is open, the program ends.
    if (!m_completed)
        endProgram();
}

} // namespace tarnivel
