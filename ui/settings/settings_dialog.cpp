#include "ui/settings/settings_dialog.h"

#include "app/program_path.h"
#include "graph/scroll_graph.h"
#include "resources/icons.h"
#include "ui/common/link_label.h"
#include "ui/common/links.h"
#include "ui/common/qt_text.h"
#include "ui/settings/autostart.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarnivel {

namespace {

// Sizes from the dialog's design at 96 dots per inch, in device-independent pixels.
constexpr int kCaptionWidth = 89; // the right-aligned captions
constexpr int kFieldWidth = 81;   // scale box and transparency list
constexpr int kSampleWidth = 100; // a colour sample line, two pixels high
constexpr int kSampleHeight = 2;
constexpr int kPageWidth = 281; // the tab strip
constexpr int kPageHeight = 333;
constexpr int kRowSpacing = 12; // between the rows of the Options page
constexpr int kColourRowHeight = 24;

QColor toQColor(ColourRef colour)
{
    return QColor::fromRgb(toArgb(colour));
}

ColourRef fromQColor(const QColor& colour)
{
    return static_cast<ColourRef>((colour.blue() << 16) | (colour.green() << 8) | colour.red());
}

std::optional<ColourRef> askColour(QWidget* parent, ColourRef current)
{
    const QColor chosen = QColorDialog::getColor(toQColor(current), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

// A caption that ends in a colon: bold.
QLabel* caption(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(alignment);
    return label;
}

QLabel* rightCaption(const QString& text)
{
    QLabel* label = caption(text, Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(kCaptionWidth);
    return label;
}

void paint(QWidget* sample, ColourRef colour)
{
    QPalette colours = sample->palette();
    colours.setColor(QPalette::Window, toQColor(colour));
    sample->setPalette(colours);
}

} // namespace

frmSettings::frmSettings(SettingsDialogDeps deps, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_deps(std::move(deps)), m_decimalPoint(localeDecimalPoint())
{
    setWindowTitle(QStringLiteral("Settings"));
    if (!m_deps.showMessage)
        m_deps.showMessage = showMessageBox;
    if (!m_deps.pickColour)
        m_deps.pickColour = askColour;

    TabStrip1 = named(new QTabWidget, "TabStrip1");
    TabStrip1->addTab(buildOptionsPage(), QStringLiteral("Options"));
    TabStrip1->addTab(buildColoursPage(), QStringLiteral("Colours"));
    TabStrip1->addTab(buildStatisticsPage(), QStringLiteral("Statistics"));
    TabStrip1->addTab(buildAboutPage(), QStringLiteral("About"));
    TabStrip1->setMinimumSize(kPageWidth, kPageHeight);

    auto* cmdOK = named(new QPushButton(QStringLiteral("OK")), "cmdOK");
    cmdOK->setDefault(true);
    auto* cmdCancel = named(new QPushButton(QStringLiteral("Cancel")), "cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, &frmSettings::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addLayout(buttons);
    // The dialog keeps the size its contents need: no resizing, no maximising.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmSettings::buildOptionsPage()
{
    auto* page = named(new QWidget, "fraOptions0");
    txtMaxValue = named(new QLineEdit, "txtMaxValue");
    // Digits only, seven at most, whether typed or pasted.
    txtMaxValue->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,7}")), txtMaxValue));
    txtMaxValue->setFixedWidth(kFieldWidth);
    cmbTrans = named(new QComboBox, "cmbTrans");
    for (const std::string_view entry : kTransparencyEntries)
        cmbTrans->addItem(fromView(entry));
    cmbTrans->setFixedWidth(kFieldWidth);
    chkStartup = named(new QCheckBox(QStringLiteral(TARNIVEL_AUTOSTART_CAPTION)), "chkStartup");

    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(kRowSpacing);
    grid->addWidget(rightCaption(QStringLiteral("Vertical Scale:")), 0, 0);
    grid->addWidget(txtMaxValue, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("bytes/sec")), 0, 2);
    grid->addWidget(rightCaption(QStringLiteral("Transparency:")), 1, 0);
    grid->addWidget(cmbTrans, 1, 1);
    grid->addWidget(chkStartup, 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* frmSettings::buildColoursPage()
{
    auto* page = named(new QWidget, "fraOptions1");
    linInColour = named(new QWidget, "linInColour");
    linOverLap = named(new QWidget, "linOverLap");
    linOutColour = named(new QWidget, "linOutColour");
    linBackColour = named(new QWidget, "linBackColour");
    const struct {
        const char* label;
        const char* button;
        QWidget* sample;
        int which;
    } rows[] = {{"Incoming:", "cmdInColour", linInColour, PendingColours::In},
                {"Overlap:", "Command3", linOverLap, PendingColours::Overlap},
                {"Outgoing:", "Command1", linOutColour, PendingColours::Out},
                {"Background:", "Command2", linBackColour, PendingColours::Back}};

    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const auto& r : rows) {
        auto* button = named(new QPushButton(QStringLiteral("...")), r.button);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
        const int which = r.which;
        connect(button, &QPushButton::clicked, this, [this, which] { PickColour(which); });
        r.sample->setFixedSize(kSampleWidth, kSampleHeight);
        r.sample->setAutoFillBackground(true);
        grid->addWidget(rightCaption(QString::fromLatin1(r.label)), row, 0);
        grid->addWidget(button, row, 1);
        grid->addWidget(r.sample, row, 2);
        grid->setRowMinimumHeight(row, kColourRowHeight);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* frmSettings::buildStatisticsPage()
{
    auto* page = named(new QWidget, "fraOptions2");
    lblDLTotal = named(new QLabel, "lblDLTotal");
    lblULTotal = named(new QLabel, "lblULTotal");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(20, 36, 12, 12);
    grid->setVerticalSpacing(20);
    grid->setHorizontalSpacing(16);
    grid->addWidget(caption(QStringLiteral("Downloaded:")), 0, 0);
    grid->addWidget(lblDLTotal, 0, 1);
    grid->addWidget(caption(QStringLiteral("Uploaded:")), 1, 0);
    grid->addWidget(lblULTotal, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* frmSettings::buildAboutPage()
{
    auto* page = named(new QWidget, "fraOptions3");
    auto* logo = named(new QLabel, "Picture1");
    logo->setPixmap(logoPixmap());
    const Link home = homePageLink();
    auto* homeLink = named(new LinkLabel(home.text, home.target), "HyperLink3");
    auto* lblAbout =
        named(new QLabel(QStringLiteral("Tarnivel is 'thank-you-ware'. If you like it, "
                                        "email the author to say thanks.")),
              "lblAbout");
    lblAbout->setWordWrap(true);
    auto* lblVersion = named(new QLabel(QStringLiteral("Version %1.%2.%3")
                                            .arg(TARNIVEL_VERSION_MAJOR)
                                            .arg(TARNIVEL_VERSION_MINOR)
                                            .arg(TARNIVEL_VERSION_PATCH)),
                             "lblVersion");
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(8.25);
    lblVersion->setFont(fixed);
    const Link contact = contactLink();
    auto* contactLabel = named(new LinkLabel(contact.text, contact.target), "HyperLink2");

    auto* column = new QVBoxLayout(page);
    column->setSpacing(14);
    column->addWidget(logo, 0, Qt::AlignHCenter);
    column->addWidget(homeLink, 0, Qt::AlignHCenter);
    column->addWidget(lblAbout);
    column->addWidget(lblVersion);
    column->addWidget(contactLabel, 0, Qt::AlignHCenter);
    column->addStretch();
    for (QLabel* centred : {lblAbout, lblVersion})
        centred->setAlignment(Qt::AlignCenter);
    return page;
}

void frmSettings::ShowDialog()
{
    if (m_loaded) {
        raise();
        activateWindow();
        return;
    }
    Form_Load();
    m_loaded = true;
    show();
}

void frmSettings::Form_Load()
{
    chkStartup->setChecked(IsInRunKey(kAutostartName));
    cmbTrans->setCurrentIndex(positionForOpacity(m_deps.opacity()));
    const ctlScrollGraph2& graph = m_deps.graDU;
    txtMaxValue->setText(QString::fromStdString(scaleText(graph.MaxValue())));
    m_pending = PendingColours::load(graph.DLThread().Colour(), graph.ULThread().Colour(),
                                     graph.BackColour(), graph.OverLapColour());
    paintSamples();
    lblDLTotal->clear();
    lblULTotal->clear();
    ShowTab(1);
    txtMaxValue->setFocus();
}

void frmSettings::ShowTab(int nTab)
{
    TabStrip1->setCurrentIndex(nTab - 1);
}

void frmSettings::paintSamples()
{
    paint(linInColour, m_pending.mlPendingIn);
    paint(linOutColour, m_pending.mlPendingOut);
    paint(linOverLap, m_pending.overlapSample);
    paint(linBackColour, m_pending.mlPendingBack);
}

void frmSettings::PickColour(int lWhich)
{
    const ColourRef current[] = {m_pending.mlPendingIn, m_pending.mlPendingOut,
                                 m_pending.mlPendingBack, m_pending.mlPendingOverlap};
    if (lWhich < 1 || lWhich > 4)
        return;
    const std::optional<ColourRef> chosen = m_deps.pickColour(this, current[lWhich - 1]);
    if (!chosen)
        return;
    m_pending.pick(lWhich, *chosen);
    paintSamples();
}

void frmSettings::NewTotals(double dblDLTotal, double dblULTotal)
{
    lblDLTotal->setText(QString::fromStdString(FormatBytes(dblDLTotal, m_decimalPoint)));
    lblULTotal->setText(QString::fromStdString(FormatBytes(dblULTotal, m_decimalPoint)));
}

void frmSettings::cmdOK_Click()
{
    // Opacity and the autostart entry stay applied even when the scale is refused.
    m_deps.setOpacity(opacityForPosition(cmbTrans->currentIndex()));
    SetRunKey(kAutostartName, runningProgramPath(), chkStartup->isChecked());

    const ScaleCheck scale = checkScale(txtMaxValue->text().toStdString());
    if (!scale.problem.empty()) {
        emit Applied();
        showProblem(scale.problem);
        return;
    }
    ctlScrollGraph2& graph = m_deps.graDU;
    if (graph.MaxValue() != static_cast<float>(scale.value))
        graph.setMaxValue(static_cast<float>(scale.value));

    accept();

    if (graph.OverLapColour() != m_pending.mlPendingOverlap)
        graph.setOverLapColour(m_pending.mlPendingOverlap);
    if (graph.BackColour() != m_pending.mlPendingBack)
        graph.setBackColour(m_pending.mlPendingBack);
    if (graph.DLThread().Colour() != m_pending.mlPendingIn)
        graph.DLThread().setColour(m_pending.mlPendingIn);
    if (graph.ULThread().Colour() != m_pending.mlPendingOut)
        graph.ULThread().setColour(m_pending.mlPendingOut);
    graph.RedrawWhole();
    emit Applied();
}

void frmSettings::showProblem(std::string_view problem)
{
    m_deps.showMessage(this, {fromView(kProblemTitle), QString::fromStdString(problemText(problem)),
                              QMessageBox::Critical, QMessageBox::Ok});
    // The scale box can take the focus only on its own page.
    ShowTab(1);
    txtMaxValue->setFocus();
}

void frmSettings::done(int result)
{
    const bool wasLoaded = std::exchange(m_loaded, false);
    QDialog::done(result);
    if (wasLoaded)
        emit Unloaded();
}

} // namespace tarnivel
