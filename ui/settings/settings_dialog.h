#pragma once

#include "graph/colour.h"
#include "ui/common/message_box.h"
#include "ui/settings/settings_logic.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace tarnivel {

class ctlScrollGraph2;

// Asks the user for a colour, starting from `current`; nullopt when the user cancels.
using ColourPicker = std::function<std::optional<ColourRef>(QWidget* parent, ColourRef current)>;

// The live objects the dialog edits, and the seams for its modal helpers.
struct SettingsDialogDeps {
    ctlScrollGraph2& graDU;
    std::function<std::uint8_t()> opacity; // the main window's Opacity
    std::function<void(std::uint8_t)> setOpacity;
    MessageBoxShow showMessage; // empty: showMessageBox
    ColourPicker pickColour;    // empty: QColorDialog
};

// The name under which the program starts with the desktop session.
inline constexpr std::string_view kAutostartName = "Tarnivel";

// The settings dialog: scale, transparency, start with the session and the graph's colours,
// the interfaces' byte totals and the About page. Modeless; it reads the live values each time
// it is shown and writes them back on OK. The controls carry their names as object names.
class frmSettings final : public QDialog {
    Q_OBJECT

public:
    explicit frmSettings(SettingsDialogDeps deps, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(frmSettings)

    // Loads the dialog from the live values and shows it; when it is open already, only
    // brings it forward.
    void ShowDialog();
    bool isLoaded() const noexcept { return m_loaded; }

    // The two counter sums of the current tick, in bytes, for the Statistics page.
    void NewTotals(double dblDLTotal, double dblULTotal);

    // Every way of closing ends here (OK, Cancel, Esc, the close box); Unloaded follows once.
    void done(int result) override;

signals:
    void Unloaded();
    // OK applied the user's changes to the live objects (all of them, or only the transparency
    // and the autostart entry when the scale was refused).
    void Applied();

private:
    QWidget* buildOptionsPage();
    QWidget* buildColoursPage();
    QWidget* buildStatisticsPage();
    QWidget* buildAboutPage();

    void Form_Load();
    void ShowTab(int nTab);
    void PickColour(int lWhich);
    void paintSamples();
    void cmdOK_Click();
    void showProblem(std::string_view problem);

    SettingsDialogDeps m_deps;
    PendingColours m_pending;
    bool m_loaded = false;
    char m_decimalPoint = '.';

    QTabWidget* TabStrip1 = nullptr;
    QLineEdit* txtMaxValue = nullptr;
    QComboBox* cmbTrans = nullptr;
    QCheckBox* chkStartup = nullptr;
    QWidget* linInColour = nullptr;
    QWidget* linOverLap = nullptr;
    QWidget* linOutColour = nullptr;
    QWidget* linBackColour = nullptr;
    QLabel* lblDLTotal = nullptr;
    QLabel* lblULTotal = nullptr;
};

} // namespace tarnivel
